#include "files/BackupStore.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "files/AtomicFile.h"
#include "files/DataFolder.h"
#include "files/PlatformFile.h"
#include "files/PrivateFolders.h"
#include "model/LocalClock.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* BackupFolder = "backups";
constexpr const char* RecordExtension = ".Kqd";
constexpr const char* ImageExtension = ".img";
constexpr int FirstTmYear = 1900;
// Enough to step past every transfer one second can hold.
constexpr int NameAttempts = 100;

bool IsNameCharacter(uint8_t c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' || c == '_';
}

// An unset number reads as zeros, spaces or erased flash (0xFF).
bool IsPadding(uint8_t c) { return c == 0 || c == ' ' || c == 0xFF; }

fs::path FreeBase(const fs::path& folder, const std::string& base, const char* extension)
{
    return folder / FreeBackupBase(base, extension, [&folder](const std::string& name) {
               std::error_code ec;
               return fs::exists(folder / name, ec);
           });
}

}

BackupMoment LocalBackupMoment()
{
    const std::tm local = LocalTime(std::time(nullptr));
    return {local.tm_year + FirstTmYear, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::string BackupRoot()
{
    const std::string folder = ProgramDataFolder();
    return folder.empty() ? folder : (fs::path(folder) / BackupFolder).string();
}

std::string BackupFolderName(const uint8_t (&deviceSn)[DeviceSnSize])
{
    size_t end = DeviceSnSize;
    while (end > 0 && IsPadding(deviceSn[end - 1]))
        --end;
    std::string name;
    bool meaningful = false;
    for (size_t i = 0; i < end; ++i) {
        const bool kept = IsNameCharacter(deviceSn[i]);
        meaningful = meaningful || kept;
        name += kept ? char(deviceSn[i]) : '_';
    }
    return meaningful ? name : UnknownRadioFolder;
}

std::string BackupBaseName(const BackupMoment& when, const std::string& what)
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d-", when.Year % 10000, when.Month % 100,
                  when.Day % 100, when.Hour % 100, when.Minute % 100, when.Second % 100);
    return stamp + what;
}

std::string FreeBackupBase(const std::string& base, const std::string& extension,
                           const std::function<bool(const std::string& name)>& taken)
{
    std::string candidate = base;
    for (int n = 2; n <= NameAttempts && taken(candidate + extension); ++n)
        candidate = base + "-" + std::to_string(n);
    return candidate;
}

std::string BackupBaseName(const BackupMoment& when, BackupDirection direction)
{
    return BackupBaseName(when, direction == BackupDirection::Read ? "read" : "write");
}

BackupResult StoreBackupFiles(const std::string& root, const uint8_t (&deviceSn)[DeviceSnSize],
                              const std::string& base, const std::vector<BackupFile>& files)
{
    if (root.empty())
        return {FileResult::Failure(FileProblem::NoBackupFolder, {}), {}};
    const fs::path folder = fs::path(root) / BackupFolderName(deviceSn);
    if (const std::error_code ec = MakePrivateFolders(folder.string()))
        return {FileResult::Failure(FileProblem::CannotBackUp, folder.string(), ec.value()), {}};
    const fs::path freeBase = FreeBase(folder, base, files.front().extension);
    for (const BackupFile& file : files) {
        const std::string path = (fs::path(freeBase) += file.extension).string();
        if (FileResult saved = WriteFileAtomically(path, file.data, file.size, NewFileAccess::OwnerOnly);
            !saved.ok)
            return {saved, {}};
    }
    return {FileResult::Success(), (fs::path(freeBase) += files.front().extension).string()};
}

std::vector<BackupFile> RecordBackupFiles(const RadioSettings& settings, const MemoryImage* image)
{
    std::vector<BackupFile> files{{RecordExtension, settings.BlockBytes(), RadioSettingsBlockSize}};
    if (image)
        files.push_back({ImageExtension, image->data(), image->size()});
    return files;
}

BackupResult StoreBackup(const std::string& root, const RadioSettings& settings, const MemoryImage* image,
                         const BackupMoment& when, BackupDirection direction)
{
    return StoreBackupFiles(root, settings.DeviceSn, BackupBaseName(when, direction),
                            RecordBackupFiles(settings, image));
}

BackupResult BackUpTransfer(const RadioSettings& settings, const MemoryImage& image, BackupDirection direction)
{
    const MemoryImage* kept = direction == BackupDirection::Read ? &image : nullptr;
    return StoreBackup(BackupRoot(), settings, kept, LocalBackupMoment(), direction);
}

FileResult NewPrivateTemporaryFolder(std::string& folder)
{
    if (const int error = platform::MakePrivateTemporaryFolder(folder)) {
        std::error_code ec;
        return FileResult::Failure(FileProblem::CannotBackUp, fs::temp_directory_path(ec).string(), error);
    }
    return FileResult::Success();
}

BackupResult KeepReadAside(const RadioSettings& settings, const MemoryImage& image)
{
    std::string folder;
    if (FileResult made = NewPrivateTemporaryFolder(folder); !made.ok)
        return {made, {}};
    return StoreBackup(folder, settings, &image, LocalBackupMoment(), BackupDirection::Read);
}
