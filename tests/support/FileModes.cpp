#include "FileModes.h"

#include <sys/stat.h>

UmaskOverride::UmaskOverride(mode_t mask) : previous_(umask(mask)) {}

UmaskOverride::~UmaskOverride() { umask(previous_); }

unsigned PermissionsOf(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? unsigned(st.st_mode & 07777) : 0;
}
