#include "files/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// Enough attempts to step past temporary files left behind by a crashed earlier run.
constexpr int TempNameAttempts = 100;

FileResult Failed(const char* action, const std::string& path, int error)
{
    return FileResult::Failure(std::string(action) + " " + path + ": " + std::strerror(error));
}

FileResult Failed(const char* action, const std::string& path, const std::error_code& error)
{
    return FileResult::Failure(std::string(action) + " " + path + ": " + error.message());
}

// A link to the settings kept elsewhere (a dotfiles folder, say) stays a link: the file it points
// to is replaced, not the link.
fs::path ResolvedTarget(const std::string& path)
{
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        const fs::path real = fs::canonical(path, ec);
        if (!ec)
            return real;
    }
    return fs::path(path);
}

int FlushToDisk(std::FILE* file)
{
    if (std::fflush(file) != 0)
        return errno;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0 ? 0 : errno;
#else
    return fsync(fileno(file)) == 0 ? 0 : errno;
#endif
}

// Makes the rename durable; a failure here cannot undo a completed save, so it is not reported.
void SyncDirectory(const fs::path& dir)
{
#ifndef _WIN32
    const int fd = open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
#else
    (void)dir;
#endif
}

// Opens a file that did not exist before, beside `target`, so the rename stays on one file system.
std::FILE* CreateTempBeside(const fs::path& target, fs::path& temp, int& error)
{
    error = 0;
    for (int attempt = 0; attempt < TempNameAttempts; ++attempt) {
        temp = target;
        temp += ".tmp" + std::to_string(attempt);
        // "x": fail rather than reuse a file someone else is writing.
        std::FILE* file = std::fopen(temp.string().c_str(), "wbx");
        if (file)
            return file;
        error = errno;
        if (error != EEXIST)
            return nullptr;
    }
    return nullptr;
}

// A replaced file keeps the permissions it had.
void KeepPermissions(const fs::path& target, const fs::path& temp)
{
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (!ec && fs::exists(status))
        fs::permissions(temp, status.permissions(), ec);
}

int WriteAndClose(std::FILE* file, const uint8_t* data, size_t size)
{
    int error = 0;
    if (size > 0 && std::fwrite(data, 1, size, file) != size)
        error = errno ? errno : EIO;
    if (error == 0)
        error = FlushToDisk(file);
    if (std::fclose(file) != 0 && error == 0)
        error = errno;
    return error;
}

}  // namespace

FileResult WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size)
{
    const fs::path target = ResolvedTarget(path);
    fs::path temp;
    int error = 0;
    std::FILE* file = CreateTempBeside(target, temp, error);
    if (!file)
        return Failed("Cannot save", path, error);

    errno = 0;
    error = WriteAndClose(file, data, size);
    if (error != 0) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return Failed("Cannot save", path, error);
    }

    KeepPermissions(target, temp);
    std::error_code renameError;
    fs::rename(temp, target, renameError);
    if (renameError) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return Failed("Cannot save", path, renameError);
    }
    SyncDirectory(target.parent_path());
    return FileResult::Success();
}

FileResult ReadFilePrefix(const std::string& path, uint8_t* data, size_t maxSize, size_t& got)
{
    got = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return Failed("Cannot open", path, errno);

    errno = 0;
    got = std::fread(data, 1, maxSize, file);
    const bool readFailed = std::ferror(file) != 0;
    const int error = errno ? errno : EIO;
    std::fclose(file);
    if (readFailed)
        return Failed("Cannot read", path, error);
    return FileResult::Success();
}
