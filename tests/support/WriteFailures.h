#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include <sys/types.h>

// Ways to make writing a file fail, for tests of what a failed save leaves behind.

// Makes a folder immutable, which even the administrator cannot create files in; the tests run
// as root, where permission bits bind nobody. Undone on destruction.
class ImmutableDir {
public:
    explicit ImmutableDir(const std::string& path);
    ~ImmutableDir();
    ImmutableDir(const ImmutableDir&) = delete;
    ImmutableDir& operator=(const ImmutableDir&) = delete;

    // False where the file system or the process's privileges do not allow the flag.
    bool Active() const { return active_; }

private:
    std::string path_;
    bool active_ = false;
};

// Lowers this process's file-size limit, so that writes past it fail with EFBIG instead of
// raising a signal. Restored on destruction.
class FileSizeLimit {
public:
    explicit FileSizeLimit(size_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long long previousSoft_;
    void (*previousHandler_)(int);
};

// The unprivileged user the permission tests act as; the tests themselves run as root, where
// permission bits bind nobody.
constexpr uid_t NobodyId = 65534;

// Runs `action` in a child process as nobody and gives its exit status, -1 where the child could
// not become nobody.
int RunAsNobody(const std::function<int()>& action);
