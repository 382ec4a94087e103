#include "DeviceNodes.h"

#include <chrono>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

constexpr unsigned ZeroDeviceMajor = 1;
constexpr unsigned ZeroDeviceMinor = 5;
constexpr std::chrono::seconds Patience(3);

}  // namespace

bool MakeNode(NodeKind kind, const std::string& path)
{
    switch (kind) {
    case NodeKind::Pipe:
        return mkfifo(path.c_str(), 0666) == 0;
    case NodeKind::Device:
        return mknod(path.c_str(), S_IFCHR | 0666, makedev(ZeroDeviceMajor, ZeroDeviceMinor)) == 0;
    case NodeKind::Folder:
        return mkdir(path.c_str(), 0777) == 0;
    }
    return false;
}

std::string NodeAt(const std::string& path)
{
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0)
        return "none";
    if (S_ISREG(st.st_mode))
        return "file";
    if (S_ISLNK(st.st_mode))
        return "link";
    if (S_ISFIFO(st.st_mode))
        return "pipe";
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return "device";
    return S_ISDIR(st.st_mode) ? "folder" : "other";
}

// Opening the writing end without blocking succeeds only while a reader waits; closing it again
// gives that reader the end of the file.
bool WaitedOnPipe(const std::string& pipe, const std::function<void()>& load)
{
    auto done = std::async(std::launch::async, load);
    if (done.wait_for(Patience) == std::future_status::ready)
        return false;
    while (done.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        const int fd = open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0)
            close(fd);
    }
    return true;
}
