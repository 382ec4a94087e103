#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The system calls under the file layer, one implementation per system. Every call answers with
// an errno value, 0 for success.
namespace platform {

// Answered in place of an errno when a path names a folder, device or pipe where a plain file
// is needed.
constexpr int NotARegularFile = -1;

// The mode a new file asks for, before the umask trims it: whatever the user's files get, or the
// user alone.
constexpr unsigned UsersDefaultFile = 0666;
constexpr unsigned OwnerOnlyFile = 0600;

struct FileFacts {
    bool exists = false;
    bool regular = false;
    // A file of someone else keeps its owner only when it is written in place.
    bool ownedByUs = true;
    unsigned long links = 1;
    unsigned permissions = 0;
};

// Follows symbolic links; a missing file answers 0 with `exists` false.
int Inspect(const std::string& path, FileFacts& facts);

// The name a save through `path` must write: symbolic links followed to the name they end on,
// which need not exist (a dangling link). Without links, `path` itself.
int FinalName(const std::string& path, std::string& finalName);

// Which file a name leads to: every name of one file (hard or symbolic links) gives the same identity.
struct FileIdentity {
    uint64_t device = 0;
    uint64_t index = 0;

    bool operator==(const FileIdentity& other) const { return device == other.device && index == other.index; }
};

// Follows symbolic links; a missing file answers ENOENT.
int Identify(const std::string& path, FileIdentity& identity);

// Creates a fresh folder that only the user may open inside the system's temporary folder.
int MakePrivateTemporaryFolder(std::string& folder);

// Whether an open for writing would be allowed, as the system decides it (read-only mounts too).
int CheckWritable(const std::string& path);

int Rename(const std::string& from, const std::string& to);
void Remove(const std::string& path);

// Makes a rename in the folder holding `path` durable.
int SyncFolderOf(const std::string& path);

// An open file, closed on destruction. None of the opens waits on a pipe or device.
class OpenFile {
public:
    OpenFile() = default;
    ~OpenFile();
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int OpenForReading(const std::string& path);
    int OpenForWriting(const std::string& path);
    // Creates the file with `permissions` less the umask, failing with EEXIST when the name is
    // taken.
    int CreateNew(const std::string& path, unsigned permissions);

    // Reads until `size` bytes are in or the file ends.
    int Read(uint8_t* data, size_t size, size_t& got);
    int Write(const uint8_t* data, size_t size);
    // Where the next Write goes, counted from the start of the file.
    int Seek(size_t offset);
    int Truncate(size_t size);
    int SetPermissions(unsigned permissions);
    int Sync();
    int Close();

private:
    int fd_ = -1;
};

// An exclusive lock on a file, held until Release or destruction, that serialises whole
// read-modify-write cycles across processes: whoever asks for it waits until the holder lets go.
// It is advisory: it binds only those who ask for it. It never stands in the way of reading or
// writing the locked file itself.
class FileLock {
public:
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Opens the plain file `path`, making it (empty, with the user's default mode) when missing,
    // and waits for the lock on it.
    int Acquire(const std::string& path);
    void Release();

private:
    int fd_ = -1;
};

}  // namespace platform
