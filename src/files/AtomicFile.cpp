#include "files/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <random>

#include "files/PlatformFile.h"

namespace {

// A fresh random name per attempt: temporaries left behind by a killed save never block a save.
constexpr int TempNameAttempts = 100;
constexpr const char* TempNamePrefix = ".save-";
constexpr int TempNameRandomChars = 8;
constexpr char TempNameAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr size_t ReadChunk = 4096;

// What a save writes: `data`, into a file `held` bytes long when the save knows it, which are the
// first bytes of `data` already when the save only appends.
struct Contents {
    const uint8_t* data;
    size_t size;
    std::optional<size_t> held;
    bool appending;
    NewFileAccess access;
};

unsigned NewFilePermissions(NewFileAccess access)
{
    return access == NewFileAccess::OwnerOnly ? platform::OwnerOnlyFile : platform::UsersDefaultFile;
}

FileResult SaveFailed(const std::string& path, int error)
{
    if (error == platform::NotARegularFile)
        return FileResult::Failure(FileProblem::NotAFileToSave, path);
    return error == 0 ? FileResult::Success() : FileResult::Failure(FileProblem::CannotSave, path, error);
}

// Short whatever the target is called, so a name of legal length stays legal.
std::string TempNameBeside(const std::string& target, std::mt19937& random)
{
    std::uniform_int_distribution<size_t> pick(0, sizeof TempNameAlphabet - 2);
    std::string name = TempNamePrefix;
    for (int i = 0; i < TempNameRandomChars; ++i)
        name += TempNameAlphabet[pick(random)];
    return (std::filesystem::path(target).parent_path() / name).string();
}

// Beside the target, so the rename stays on one file system.
int CreateTempBeside(const std::string& target, unsigned permissions, platform::OpenFile& file, std::string& temp)
{
    std::random_device seed;
    std::mt19937 random(seed());
    int error = EEXIST;
    for (int attempt = 0; attempt < TempNameAttempts && error == EEXIST; ++attempt) {
        temp = TempNameBeside(target, random);
        error = file.CreateNew(temp, permissions);
    }
    return error;
}

int FirstError(int first, int second) { return first != 0 ? first : second; }

int WriteAt(platform::OpenFile& file, size_t offset, const uint8_t* data, size_t size)
{
    const int error = file.Seek(offset);
    return error != 0 ? error : file.Write(data, size);
}

// The bytes past the file's old end go first, so that a full disk stops the save before anything
// the file held is overwritten.
FileResult WriteInPlace(const std::string& path, const std::string& target, const Contents& contents)
{
    platform::OpenFile file;
    if (const int error = file.OpenForWriting(target))
        return SaveFailed(path, error);
    const size_t oldEnd = std::min(contents.held.value_or(0), contents.size);
    int error = WriteAt(file, oldEnd, contents.data + oldEnd, contents.size - oldEnd);
    if (error == 0 && !contents.appending)
        error = WriteAt(file, 0, contents.data, oldEnd);
    if (error == 0)
        error = file.Truncate(contents.size);
    if (error == 0)
        error = file.Sync();
    // What did not fit is taken back whole: the file ends where it ended before.
    if (error != 0 && contents.held) {
        file.Truncate(oldEnd);
        file.Sync();
    }
    return SaveFailed(path, FirstError(error, file.Close()));
}

// `existing` describes the file being replaced; for a new name it says the file does not exist.
FileResult ReplaceFile(const std::string& path, const std::string& target, const platform::FileFacts& existing,
                       const Contents& contents)
{
    platform::OpenFile file;
    std::string temp;
    int error = CreateTempBeside(target, NewFilePermissions(contents.access), file, temp);
    // A folder the user may not write to, holding a file he may write: a settings file beside an
    // installed program.
    if (error == EACCES && existing.exists)
        return WriteInPlace(path, target, contents);
    if (error != 0)
        return SaveFailed(path, error);

    error = file.Write(contents.data, contents.size);
    // A replaced file keeps the permissions it had, less those of others when it holds secrets; a
    // private new one gets them whatever the umask.
    if (error == 0 && existing.exists)
        error = file.SetPermissions(contents.access == NewFileAccess::OwnerOnly
                                        ? existing.permissions & platform::OwnerOnlyFile
                                        : existing.permissions);
    else if (error == 0 && contents.access == NewFileAccess::OwnerOnly)
        error = file.SetPermissions(platform::OwnerOnlyFile);
    if (error == 0)
        error = file.Sync();
    error = FirstError(error, file.Close());
    if (error == 0)
        error = platform::Rename(temp, target);
    if (error != 0) {
        platform::Remove(temp);
        return SaveFailed(path, error);
    }
    if (const int unsynced = platform::SyncFolderOf(target))
        return FileResult::Failure(FileProblem::SavedNotSynced, path, unsynced);
    return FileResult::Success();
}

FileResult OpenToRead(const std::string& path, platform::OpenFile& file)
{
    const int error = file.OpenForReading(path);
    if (error == platform::NotARegularFile)
        return FileResult::Failure(FileProblem::NotAFileToOpen, path);
    return error == 0 ? FileResult::Success() : FileResult::Failure(FileProblem::CannotOpen, path, error);
}

// The checks of every save before a byte is written; `target` is the name the save writes.
FileResult CheckExistingTarget(const std::string& path, platform::FileFacts& facts, std::string& target)
{
    int error = platform::Inspect(path, facts);
    if (error == 0 && facts.exists && !facts.regular)
        error = platform::NotARegularFile;
    if (error == 0 && facts.exists)
        error = platform::CheckWritable(path);
    if (error == 0)
        error = platform::FinalName(path, target);
    return SaveFailed(path, error);
}

FileResult Save(const std::string& path, const Contents& contents)
{
    platform::FileFacts facts;
    std::string target;
    if (FileResult checked = CheckExistingTarget(path, facts, target); !checked.ok)
        return checked;
    // A new file would drop the other names of a hard-linked file, or take it from its owner.
    if (facts.exists && (facts.links > 1 || !facts.ownedByUs))
        return WriteInPlace(path, target, contents);
    return ReplaceFile(path, target, facts, contents);
}

}  // namespace

FileResult CheckSaveTarget(const std::string& path)
{
    platform::FileFacts facts;
    std::string target;
    FileResult checked = CheckExistingTarget(path, facts, target);
    if (!checked.ok || facts.exists)
        return checked;
    const std::string folder = std::filesystem::path(target).parent_path().string();
    return SaveFailed(path, platform::CheckWritable(folder.empty() ? "." : folder));
}

FileResult WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size, NewFileAccess access)
{
    return Save(path, {data, size, std::nullopt, false, access});
}

FileResult AppendFileAtomically(const std::string& path, size_t keptSize, const uint8_t* data, size_t size,
                                NewFileAccess access)
{
    return Save(path, {data, size, keptSize, true, access});
}

FileResult RewriteGrowingFileAtomically(const std::string& path, size_t heldSize, const uint8_t* data, size_t size,
                                        NewFileAccess access)
{
    return Save(path, {data, size, heldSize, false, access});
}

FileResult ReadFilePrefix(const std::string& path, uint8_t* data, size_t maxSize, size_t& got)
{
    got = 0;
    platform::OpenFile file;
    if (FileResult opened = OpenToRead(path, file); !opened.ok)
        return opened;
    if (const int error = file.Read(data, maxSize, got)) {
        got = 0;
        return FileResult::Failure(FileProblem::CannotRead, path, error);
    }
    return FileResult::Success();
}

FileResult ReadWholeFile(const std::string& path, std::string& bytes, size_t maxSize)
{
    bytes.clear();
    platform::OpenFile file;
    if (FileResult opened = OpenToRead(path, file); !opened.ok)
        return opened;
    while (bytes.size() < maxSize) {
        const size_t had = bytes.size();
        const size_t wanted = std::min(ReadChunk, maxSize - had);
        size_t got = 0;
        bytes.resize(had + wanted);
        const int error = file.Read(reinterpret_cast<uint8_t*>(bytes.data()) + had, wanted, got);
        bytes.resize(had + got);
        if (error != 0) {
            bytes.clear();
            return FileResult::Failure(FileProblem::CannotRead, path, error);
        }
        if (got < wanted)
            break;
    }
    return FileResult::Success();
}
