// Loaded into a program under test with LD_PRELOAD: writes to files in the folder that
// KR_T27_FULL_FOLDER names fail with ENOSPC, as on a disk that filled up after the program had
// checked that it could write there. Everything else is written as usual.

#include <cerrno>
#include <cstdlib>
#include <string>

#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr size_t PathLimit = 4096;

bool InFullFolder(int fd)
{
    const char* full = std::getenv("KR_T27_FULL_FOLDER");
    if (!full)
        return false;
    char path[PathLimit];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = readlink(link.c_str(), path, sizeof path);
    if (n <= 0)
        return false;
    const std::string file(path, size_t(n));
    const std::string folder = std::string(full) + "/";
    return file.compare(0, folder.size(), folder) == 0 && file.find('/', folder.size()) == std::string::npos;
}

}  // namespace

extern "C" ssize_t write(int fd, const void* data, size_t size)
{
    if (InFullFolder(fd)) {
        errno = ENOSPC;
        return -1;
    }
    return syscall(SYS_write, fd, data, size);
}
