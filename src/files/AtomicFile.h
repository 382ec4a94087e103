#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "files/FileResult.h"

// Who may read a file that a save creates; a file that is replaced keeps the permissions it had,
// except that a private file's group and others lose theirs.
enum class NewFileAccess {
    UsersDefault,  // as the user's umask has it, like any file of theirs: a record the user saves
    OwnerOnly,     // the user alone, whatever the umask: backups, traces, the programming log
};

// Writes through a temporary file beside the target and renames it over the target, so a failed
// or interrupted save never leaves a half-written file and never destroys the previous one.
// Only a plain file is ever replaced: a folder, device or pipe is refused and left as it is, and
// so is a file the user may not write. A symbolic link stays a link (the file it names is
// written, even one that does not exist yet). A file with more names than one or another owner,
// and a writable file in a folder that takes no new file, are written in place instead, so they
// keep their names, owner and place.
FileResult WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size,
                               NewFileAccess access = NewFileAccess::UsersDefault);

// WriteFileAtomically for a file that only grows: the first `keptSize` bytes of `data` are what the
// file holds now. A file written in place gets only the bytes after them, and is cut back to
// `keptSize` when they do not all fit, so no part of them stays behind.
FileResult AppendFileAtomically(const std::string& path, size_t keptSize, const uint8_t* data, size_t size,
                                NewFileAccess access);

// WriteFileAtomically for a file that changes and grows: `heldSize` is how long the file is now.
// A file written in place gets the bytes past its old end first, and is cut back to `heldSize`
// when they do not all fit, so that a full disk leaves it as it was.
FileResult RewriteGrowingFileAtomically(const std::string& path, size_t heldSize, const uint8_t* data, size_t size,
                                        NewFileAccess access);

// What WriteFileAtomically would refuse at `path`, asked before work whose result would otherwise
// be lost: something other than a plain file, a file the user may not write, or no such file and
// a folder that takes no new one.
FileResult CheckSaveTarget(const std::string& path);

// Reads at most `maxSize` bytes from the start of the file into `data`; `got` tells how many.
// Anything but a plain file is refused at once instead of being waited on.
FileResult ReadFilePrefix(const std::string& path, uint8_t* data, size_t maxSize, size_t& got);

// Reads the whole of a plain file, refusing anything else as ReadFilePrefix does; stops after
// `maxSize` bytes, so that a caller can tell a file longer than it wants without reading it all.
FileResult ReadWholeFile(const std::string& path, std::string& bytes, size_t maxSize = SIZE_MAX);
