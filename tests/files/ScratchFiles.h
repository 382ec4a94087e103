#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A fresh folder under the system's temporary directory, removed with everything in it.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    // Names of everything in the folder, sorted: shows leftover temporary files.
    std::vector<std::string> Names() const;

private:
    std::string path_;
};

std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);
std::vector<uint8_t> RandomBytes(size_t count, unsigned seed);

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
