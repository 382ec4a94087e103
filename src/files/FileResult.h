#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

// What kept a file from being read or written. The interface words it in its own language.
enum class FileProblem : uint8_t {
    None,
    CannotOpen,           // opening for reading failed; systemError says why
    CannotRead,           // reading failed; systemError
    CannotSave,           // creating, writing or replacing failed; systemError
    NotAFileToOpen,       // a folder, device or pipe, refused without waiting on it
    NotAFileToSave,       // a folder, device or pipe, left as it is
    SavedNotSynced,       // written and in place, but the system did not confirm it is on disk; systemError
    ChannelFileTooShort,  // size bytes where expectedSize are needed
    ImageWrongSize,       // size bytes (more than expectedSize when the file is longer)
    AdjustmentFileWrongSize,  // size bytes where exactly expectedSize are needed
    TextFileTooLarge,     // more than expectedSize bytes
    NoBackupFolder,       // no data folder is known to keep backups in
    CannotBackUp,         // the backup folder (path) cannot be made; systemError
};

// The outcome of reading or writing a file, with what the interface needs to word a failure.
struct FileResult {
    bool ok = true;
    FileProblem problem = FileProblem::None;
    std::string path;
    int systemError = 0;  // errno value, 0 where the system reported nothing
    size_t size = 0;
    size_t expectedSize = 0;

    static FileResult Success() { return {}; }
    static FileResult Failure(FileProblem problem, std::string path, int systemError = 0)
    {
        return {false, problem, std::move(path), systemError, 0, 0};
    }
    static FileResult WrongSize(FileProblem problem, std::string path, size_t size, size_t expectedSize)
    {
        return {false, problem, std::move(path), 0, size, expectedSize};
    }
};
