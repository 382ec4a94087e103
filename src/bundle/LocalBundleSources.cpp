#include "bundle/LocalBundleSources.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <sys/utsname.h>
#endif

#include "bundle/LastTransferTrace.h"
#include "files/AppSettings.h"
#include "files/AtomicFile.h"
#include "files/BackupStore.h"
#include "files/CsvTable.h"
#include "files/ProgrammingLog.h"
#include "files/SameFile.h"
#include "files/SettingsLocation.h"
#include "files/TextFile.h"
#include "lang/FileMessage.h"
#include "ports/SerialPortInfo.h"

namespace fs = std::filesystem;

namespace {

using TeskComm32::TCommSerialPortInfo;

// Room for the trace of a long series of radios, and for years of a dealer's log.
constexpr size_t BundleFileLimit = 64 * 1024 * 1024;

constexpr const char* PortColumns = "port\tdevice\tadapter\tlisted by";

#if defined(__x86_64__) || defined(_M_X64)
constexpr const char* BuiltArchitecture = "x86_64";
#elif defined(__aarch64__) || defined(_M_ARM64)
constexpr const char* BuiltArchitecture = "aarch64";
#elif defined(__i386__) || defined(_M_IX86)
constexpr const char* BuiltArchitecture = "x86";
#else
constexpr const char* BuiltArchitecture = "unknown";
#endif

void DescribeSystem(SupportBundleSources& sources)
{
#ifdef _WIN32
    sources.System = "Windows";
    sources.Architecture = BuiltArchitecture;
#else
    utsname names{};
    if (uname(&names) != 0) {
        sources.System = "unknown";
        sources.Architecture = BuiltArchitecture;
        return;
    }
    sources.System = std::string(names.sysname) + " " + names.release + " " + names.version;
    sources.Architecture = names.machine;
#endif
}

BundleFile Gathered(const std::string& path, size_t limit)
{
    if (path.empty())
        return BundleFile::Without({MessageId::BundleNoneYet});
    std::string bytes;
    const FileResult read = ReadTextFile(path, bytes, limit);
    if (read.ok)
        return BundleFile::Of(std::move(bytes));
    if (read.problem == FileProblem::CannotOpen && read.systemError == ENOENT)
        return BundleFile::Without({MessageId::BundleNoneYet});
    return BundleFile::Without(FileMessage(read));
}

// Every file under the backups folder by its path below it; none while there is no such folder.
std::vector<std::string> BackupFiles()
{
    std::vector<std::string> names;
    const std::string root = BackupRoot();
    if (root.empty())
        return names;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (it->is_regular_file(ec))
            names.push_back(it->path().lexically_relative(root).generic_string());
    }
    return names;
}

}  // namespace

std::optional<Message> WhyBundleTargetRefused(const BundlePlaces& places, const std::string& target)
{
    for (const std::string& held : {places.SettingsFile, LastTransferTracePath(), DefaultProgrammingLogPath()})
        if (!held.empty() && NameTheSameFile(target, held))
            return Message{MessageId::BundleTargetHeld, {target}};
    const FileResult checked = CheckSaveTarget(target);
    if (!checked.ok)
        return FileMessage(checked);
    return std::nullopt;
}

std::string PortListText(const TeskComm32::PortLookup& lookup)
{
    const TCommSerialPortInfo info(lookup);
    const std::vector<TeskComm32::PortDetails> details = TeskComm32::PortDetailsOf(info.PortList, lookup);
    std::string text = std::string(PortColumns) + CsvLineEnd;
    for (size_t i = 0; i < info.PortList.size(); ++i)
        text += info.PortList[i] + "\t" + details[i].Path + "\t" + details[i].Adapter + "\t" +
                (info.FromSystem ? "system" : "fallback") + CsvLineEnd;
    return text;
}

SupportBundleSources LocalBundleSources(const BundlePlaces& places, std::time_t made)
{
    SupportBundleSources sources;
    sources.Made = made;
    sources.Program = places.Program;
    DescribeSystem(sources);
    const std::string settingsName = fs::path(places.SettingsFile).filename().string();
    sources.SettingsName = settingsName.empty() ? SettingsFileName : settingsName;
    sources.Settings = Gathered(places.SettingsFile, SettingsFileLimit);
    sources.Ports = PortListText(places.Ports);
    sources.Trace = Gathered(LastTransferTracePath(), BundleFileLimit);
    sources.Backups = BackupFiles();
    sources.ProgrammingLog = Gathered(DefaultProgrammingLogPath(), BundleFileLimit);
    return sources;
}
