#include "files/BackupStore.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "files/AtomicFile.h"
#include "files/DataFolder.h"
#include "files/PlatformFile.h"

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

fs::path FreeBase(const fs::path& folder, const std::string& base)
{
    fs::path candidate = folder / base;
    std::error_code ec;
    for (int n = 2; n <= NameAttempts && fs::exists(fs::path(candidate) += RecordExtension, ec); ++n)
        candidate = folder / (base + "-" + std::to_string(n));
    return candidate;
}

}

BackupMoment LocalBackupMoment()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
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

std::string BackupBaseName(const BackupMoment& when, BackupDirection direction)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d-%s", when.Year % 10000, when.Month % 100,
                  when.Day % 100, when.Hour % 100, when.Minute % 100, when.Second % 100,
                  direction == BackupDirection::Read ? "read" : "write");
    return text;
}

BackupResult StoreBackup(const std::string& root, const RadioSettings& settings, const MemoryImage* image,
                         const BackupMoment& when, BackupDirection direction)
{
    if (root.empty())
        return {FileResult::Failure(FileProblem::NoBackupFolder, {}), {}};
    const fs::path folder = fs::path(root) / BackupFolderName(settings.DeviceSn);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        return {FileResult::Failure(FileProblem::CannotBackUp, folder.string(), ec.value()), {}};
    const fs::path base = FreeBase(folder, BackupBaseName(when, direction));
    const std::string recordPath = (fs::path(base) += RecordExtension).string();
    if (FileResult saved = WriteFileAtomically(recordPath, settings.BlockBytes(), RadioSettingsBlockSize); !saved.ok)
        return {saved, {}};
    if (image) {
        const std::string imagePath = (fs::path(base) += ImageExtension).string();
        if (FileResult saved = WriteFileAtomically(imagePath, image->data(), image->size()); !saved.ok)
            return {saved, {}};
    }
    return {FileResult::Success(), recordPath};
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
