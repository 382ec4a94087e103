#ifdef _WIN32

#include "files/PlatformFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace platform {

namespace {

constexpr int WriteAccess = 2;
constexpr unsigned ChunkLimit = INT_MAX;
constexpr int IndexHighShift = 32;
constexpr int PrivateFolderAttempts = 100;
// Windows locks are mandatory for the range they cover: one byte far past any data, locked by all
// alike, keeps the lock from barring reads and writes of the file itself.
constexpr DWORD LockOffsetHigh = 0x7FFFFFFF;
constexpr DWORD LockedBytes = 1;

int ErrnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EBUSY;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    default:
        return EIO;
    }
}

HANDLE HandleOf(int fd) { return reinterpret_cast<HANDLE>(_get_osfhandle(fd)); }

OVERLAPPED LockRange()
{
    OVERLAPPED range{};
    range.OffsetHigh = LockOffsetHigh;
    return range;
}

unsigned Chunk(size_t left) { return left > ChunkLimit ? ChunkLimit : unsigned(left); }

int KeepIfRegular(int& fd)
{
    struct _stat64 st {};
    int error = _fstat64(fd, &st) == 0 ? 0 : errno;
    if (error == 0 && (st.st_mode & _S_IFMT) != _S_IFREG)
        error = NotARegularFile;
    if (error != 0) {
        _close(fd);
        fd = -1;
    }
    return error;
}

}  // namespace

int Inspect(const std::string& path, FileFacts& facts)
{
    facts = FileFacts{};
    struct _stat64 st {};
    if (_stat64(path.c_str(), &st) != 0)
        return errno == ENOENT ? 0 : errno;
    facts.exists = true;
    facts.regular = (st.st_mode & _S_IFMT) == _S_IFREG;
    facts.links = st.st_nlink;
    facts.permissions = st.st_mode & (_S_IREAD | _S_IWRITE);
    return 0;
}

int FinalName(const std::string& path, std::string& finalName)
{
    finalName = path;
    return 0;
}

int Identify(const std::string& path, FileIdentity& identity)
{
    // No access asked for: enough to learn which file it is, even one opened elsewhere.
    const HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return ErrnoOf(GetLastError());
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = GetFileInformationByHandle(file, &information);
    const DWORD error = known ? 0 : GetLastError();
    CloseHandle(file);
    if (!known)
        return ErrnoOf(error);
    identity = {information.dwVolumeSerialNumber,
                (uint64_t(information.nFileIndexHigh) << IndexHighShift) | information.nFileIndexLow};
    return 0;
}

// The user's temporary folder lies in his profile, which others may not open; a folder made in it
// inherits that.
int MakePrivateTemporaryFolder(std::string& folder)
{
    std::error_code ec;
    const std::filesystem::path system = std::filesystem::temp_directory_path(ec);
    if (ec)
        return ENOENT;
    for (int attempt = 0; attempt < PrivateFolderAttempts; ++attempt) {
        const std::string candidate =
            (system / ("kr-t27-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt))).string();
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            folder = candidate;
            return 0;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            return ErrnoOf(GetLastError());
    }
    return EEXIST;
}

int CheckWritable(const std::string& path) { return _access(path.c_str(), WriteAccess) == 0 ? 0 : errno; }

int Rename(const std::string& from, const std::string& to)
{
    const DWORD flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    return MoveFileExA(from.c_str(), to.c_str(), flags) ? 0 : ErrnoOf(GetLastError());
}

void Remove(const std::string& path) { _unlink(path.c_str()); }

// MOVEFILE_WRITE_THROUGH already waits for the rename to reach the disk.
int SyncFolderOf(const std::string&) { return 0; }

OpenFile::~OpenFile() { Close(); }

int OpenFile::OpenForReading(const std::string& path)
{
    Close();
    fd_ = _open(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    return fd_ < 0 ? errno : KeepIfRegular(fd_);
}

int OpenFile::OpenForWriting(const std::string& path)
{
    Close();
    fd_ = _open(path.c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT);
    return fd_ < 0 ? errno : KeepIfRegular(fd_);
}

// Windows files have no mode bits to give: who reads them is for the folder's access list.
int OpenFile::CreateNew(const std::string& path, unsigned)
{
    Close();
    fd_ = _open(path.c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT | _O_CREAT | _O_EXCL, _S_IREAD | _S_IWRITE);
    return fd_ < 0 ? errno : 0;
}

int OpenFile::Read(uint8_t* data, size_t size, size_t& got)
{
    got = 0;
    while (got < size) {
        const int n = _read(fd_, data + got, Chunk(size - got));
        if (n < 0)
            return errno;
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
        const int n = _write(fd_, data + done, Chunk(size - done));
        if (n < 0)
            return errno;
        done += size_t(n);
    }
    return 0;
}

int OpenFile::Seek(size_t offset) { return _lseeki64(fd_, static_cast<long long>(offset), SEEK_SET) < 0 ? errno : 0; }

int OpenFile::Truncate(size_t size) { return _chsize_s(fd_, static_cast<long long>(size)); }

int OpenFile::SetPermissions(unsigned) { return 0; }

int OpenFile::Sync() { return _commit(fd_) == 0 ? 0 : errno; }

int OpenFile::Close()
{
    if (fd_ < 0)
        return 0;
    const int error = _close(fd_) == 0 ? 0 : errno;
    fd_ = -1;
    return error;
}

FileLock::~FileLock() { Release(); }

int FileLock::Acquire(const std::string& path)
{
    Release();
    fd_ = _open(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT | _O_CREAT, _S_IREAD | _S_IWRITE);
    if (fd_ < 0)
        return errno;
    if (const int refused = KeepIfRegular(fd_))
        return refused;
    OVERLAPPED range = LockRange();
    if (LockFileEx(HandleOf(fd_), LOCKFILE_EXCLUSIVE_LOCK, 0, LockedBytes, 0, &range))
        return 0;
    const int error = ErrnoOf(GetLastError());
    _close(fd_);
    fd_ = -1;
    return error;
}

void FileLock::Release()
{
    if (fd_ < 0)
        return;
    OVERLAPPED range = LockRange();
    UnlockFileEx(HandleOf(fd_), 0, LockedBytes, 0, &range);
    _close(fd_);
    fd_ = -1;
}

}  // namespace platform

#endif
