#ifndef _WIN32

#include "files/PlatformFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// As many links as the system itself follows before it answers ELOOP.
constexpr int MaxLinkHops = 40;
constexpr unsigned PermissionBits = 07777;
constexpr const char* PrivateFolderPattern = "kr-t27-XXXXXX";

int LastError() { return errno; }

std::string LinkText(const std::string& link, int& error)
{
    std::string text(256, '\0');
    for (;;) {
        const ssize_t n = readlink(link.c_str(), text.data(), text.size());
        if (n < 0) {
            error = LastError();
            return {};
        }
        if (size_t(n) < text.size()) {
            text.resize(size_t(n));
            error = 0;
            return text;
        }
        text.resize(text.size() * 2);
    }
}

// Refuses what is not a plain file before anything is read or written, and from then on reads
// and writes block as usual.
int KeepIfRegular(int& fd)
{
    struct stat st {};
    int error = fstat(fd, &st) == 0 ? 0 : LastError();
    if (error == 0 && !S_ISREG(st.st_mode))
        error = NotARegularFile;
    const int flags = error == 0 ? fcntl(fd, F_GETFL) : -1;
    if (error == 0 && (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0))
        error = LastError();
    if (error != 0) {
        close(fd);
        fd = -1;
    }
    return error;
}

}  // namespace

int Inspect(const std::string& path, FileFacts& facts)
{
    facts = FileFacts{};
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return errno == ENOENT ? 0 : LastError();
    facts.exists = true;
    facts.regular = S_ISREG(st.st_mode);
    facts.ownedByUs = st.st_uid == geteuid();
    facts.links = st.st_nlink;
    facts.permissions = st.st_mode & PermissionBits;
    return 0;
}

int FinalName(const std::string& path, std::string& finalName)
{
    namespace fs = std::filesystem;
    std::string current = path;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        struct stat st {};
        if (lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            finalName = current;
            return 0;
        }
        int error = 0;
        const fs::path target = LinkText(current, error);
        if (error != 0)
            return error;
        current = (target.is_absolute() ? target : fs::path(current).parent_path() / target).string();
    }
    return ELOOP;
}

int Identify(const std::string& path, FileIdentity& identity)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return LastError();
    identity = {uint64_t(st.st_dev), uint64_t(st.st_ino)};
    return 0;
}

int MakePrivateTemporaryFolder(std::string& folder)
{
    std::error_code ec;
    const std::filesystem::path system = std::filesystem::temp_directory_path(ec);
    std::string pattern = ((ec ? std::filesystem::path("/tmp") : system) / PrivateFolderPattern).string();
    // mkdtemp creates the folder with mode 0700.
    if (!mkdtemp(pattern.data()))
        return LastError();
    folder = pattern;
    return 0;
}

int CheckWritable(const std::string& path) { return access(path.c_str(), W_OK) == 0 ? 0 : LastError(); }

int Rename(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : LastError();
}

void Remove(const std::string& path) { unlink(path.c_str()); }

int SyncFolderOf(const std::string& path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return LastError();
    int error = fsync(fd) == 0 ? 0 : LastError();
    // Some file systems cannot sync a folder at all; their renames are as durable as they get.
    if (error == EINVAL)
        error = 0;
    close(fd);
    return error;
}

OpenFile::~OpenFile() { Close(); }

int OpenFile::OpenForReading(const std::string& path)
{
    Close();
    fd_ = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    return fd_ < 0 ? LastError() : KeepIfRegular(fd_);
}

int OpenFile::OpenForWriting(const std::string& path)
{
    Close();
    fd_ = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    return fd_ < 0 ? LastError() : KeepIfRegular(fd_);
}

int OpenFile::CreateNew(const std::string& path, unsigned permissions)
{
    Close();
    fd_ = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, mode_t(permissions));
    return fd_ < 0 ? LastError() : 0;
}

int OpenFile::Read(uint8_t* data, size_t size, size_t& got)
{
    got = 0;
    while (got < size) {
        const ssize_t n = read(fd_, data + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return LastError();
        if (n == 0)
            break;
        got += size_t(n);
    }
    return 0;
}

int OpenFile::Write(const uint8_t* data, size_t size)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t n = write(fd_, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return LastError();
        done += size_t(n);
    }
    return 0;
}

int OpenFile::Seek(size_t offset) { return lseek(fd_, off_t(offset), SEEK_SET) < 0 ? LastError() : 0; }

int OpenFile::Truncate(size_t size) { return ftruncate(fd_, off_t(size)) == 0 ? 0 : LastError(); }

int OpenFile::SetPermissions(unsigned permissions)
{
    return fchmod(fd_, mode_t(permissions)) == 0 ? 0 : LastError();
}

int OpenFile::Sync() { return fsync(fd_) == 0 ? 0 : LastError(); }

int OpenFile::Close()
{
    if (fd_ < 0)
        return 0;
    const int error = close(fd_) == 0 ? 0 : LastError();
    fd_ = -1;
    return error;
}

FileLock::~FileLock() { Release(); }

// Read-only is enough for flock, so a lock file made by another user sharing the log serves too.
int FileLock::Acquire(const std::string& path)
{
    Release();
    fd_ = open(path.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, mode_t(UsersDefaultFile));
    if (fd_ < 0)
        return LastError();
    if (const int refused = KeepIfRegular(fd_))
        return refused;
    int error = 0;
    do
        error = flock(fd_, LOCK_EX) == 0 ? 0 : LastError();
    while (error == EINTR);
    if (error != 0)
        Release();
    return error;
}

void FileLock::Release()
{
    if (fd_ < 0)
        return;
    // Closing the last descriptor of the file lets the lock go.
    close(fd_);
    fd_ = -1;
}

}  // namespace platform

#endif
