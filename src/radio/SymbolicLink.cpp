#include "radio/SymbolicLink.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string LinkTarget(const std::string& path)
{
    char buffer[4096];
    const ssize_t n = readlink(path.c_str(), buffer, sizeof buffer - 1);
    return n < 0 ? std::string() : std::string(buffer, size_t(n));
}

}

std::string SymbolicLink::Create(const std::string& linkTarget, const std::string& linkPath)
{
    struct stat existing {};
    if (lstat(linkPath.c_str(), &existing) == 0) {
        if (!S_ISLNK(existing.st_mode))
            return linkPath + " exists and is not a symbolic link";
        if (unlink(linkPath.c_str()) != 0)
            return linkPath + ": " + std::strerror(errno);
    }
    if (symlink(linkTarget.c_str(), linkPath.c_str()) != 0)
        return linkPath + ": " + std::strerror(errno);
    target = linkTarget;
    path = linkPath;
    return {};
}

void SymbolicLink::Remove()
{
    if (!path.empty() && LinkTarget(path) == target)
        unlink(path.c_str());
    path.clear();
}
