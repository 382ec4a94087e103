#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "files/FileResult.h"
#include "model/MemoryImage.h"
#include "model/RadioSettings.h"

// Every read keeps what came from the radio and every write what is about to be sent, so that a
// radio's earlier setup can always be put back: one folder per radio serial number, one pair of
// files (record, and the raw image after a read) per transfer, named by local date and time.

enum class BackupDirection { Read, Write };

// A local time to the second: two transfers a minute apart must not share a name.
struct BackupMoment {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

BackupMoment LocalBackupMoment();

constexpr const char* UnknownRadioFolder = "unknown";

// $XDG_DATA_HOME/kr-t27/backups, or ~/.local/share/kr-t27/backups; empty when neither is known.
std::string BackupRoot();

// The radio's serial number as a folder name: its letters, digits, '-' and '_' (others become
// '_'), without the padding an unset number holds; "unknown" when nothing is left.
std::string BackupFolderName(const uint8_t (&deviceSn)[DeviceSnSize]);

// "20261208-093012-read": the time, then what the backup holds.
std::string BackupBaseName(const BackupMoment& when, const std::string& what);
std::string BackupBaseName(const BackupMoment& when, BackupDirection direction);

// The base a new backup takes among those kept: `base` itself, or else the first of "<base>-2",
// "<base>-3", ... whose first file, the base with `extension`, is not `taken`.
std::string FreeBackupBase(const std::string& base, const std::string& extension,
                           const std::function<bool(const std::string& name)>& taken);

struct BackupResult {
    FileResult result;
    std::string recordPath;  // the first file written (the .Kqd of a transfer), on success
};

// One file of a backup: what follows the base name, and its bytes.
struct BackupFile {
    const char* extension;
    const uint8_t* data;
    size_t size;
};

// The files of a transfer's backup: the record (".Kqd") and, when `image` is given, the image
// (".img") beside it; they point into `settings` and `image`.
std::vector<BackupFile> RecordBackupFiles(const RadioSettings& settings, const MemoryImage* image);

// Writes root/<serial>/<base><extension> for every file, each atomically, creating the folders.
// A base whose first file already exists gets "-2", "-3", ... appended.
BackupResult StoreBackupFiles(const std::string& root, const uint8_t (&deviceSn)[DeviceSnSize],
                              const std::string& base, const std::vector<BackupFile>& files);

// Writes root/<serial>/<base>.Kqd and, when `image` is given, <base>.img beside it, each
// atomically and for the user alone, since they hold the radio's password, creating the folders
// likewise. A name already taken gets "-2", "-3", ... appended.
BackupResult StoreBackup(const std::string& root, const RadioSettings& settings, const MemoryImage* image,
                         const BackupMoment& when, BackupDirection direction);

// What one transfer keeps, in BackupRoot() under the time now: the record, and after a read the
// image it came in, which holds what the record leaves out.
BackupResult BackUpTransfer(const RadioSettings& settings, const MemoryImage& image, BackupDirection direction);

// A fresh folder in the system's temporary folder that only the user may open: where what a read
// brought waits when the file asked for cannot take it and no backup holds it.
FileResult NewPrivateTemporaryFolder(std::string& folder);

// The record and image of a read kept as a backup keeps them, in a new private temporary folder.
BackupResult KeepReadAside(const RadioSettings& settings, const MemoryImage& image);
