#include "cli/TransferOptions.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <system_error>

#include "cli/CliOutput.h"
#include "files/AtomicFile.h"
#include "files/BackupStore.h"
#include "lang/FileMessage.h"
#include "model/Password.h"
#include "ports/PortLookup.h"

namespace {

constexpr char FirstPrintable = 0x20;
constexpr char LastPrintable = 0x7E;
// A first line longer than this holds no password the radio takes anyway.
constexpr size_t PasswordFileReadLimit = 256;

// The first line of the file, without its line end.
std::string FirstLineOf(const std::string& path)
{
    std::string text(PasswordFileReadLimit, '\0');
    size_t got = 0;
    if (const FileResult read = ReadFilePrefix(path, reinterpret_cast<uint8_t*>(text.data()), text.size(), got);
        !read.ok)
        throw UsageError(EnglishMessage(FileMessage(read)));
    text.resize(got);
    text = text.substr(0, text.find('\n'));
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    return text;
}

// A file that cannot be read is said once, however often a command asks for the settings.
AppSettings LoadCurrentAppSettings()
{
    const std::string path = SettingsFilePath();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return AppSettings();
    FileResult unread;
    const AppSettings settings = LoadAppSettings(path, &unread);
    if (!unread.ok)
        std::fprintf(stderr, "kr-t27-cli: %s\n",
                     EnglishMessage({MessageId::SettingsNotRead, {EnglishMessage(FileMessage(unread))}}).c_str());
    return settings;
}

}

BandDifferencePolicy PolicyOption(const CliArgs& cli)
{
    static const std::map<std::string, BandDifferencePolicy> byName = {
        {"ask", BandDifferencePolicy::Ask},
        {"continue", BandDifferencePolicy::Continue},
        {"stop", BandDifferencePolicy::Stop},
    };
    const auto text = cli.Value("--on-band-difference");
    if (!text)
        return isatty(STDIN_FILENO) ? BandDifferencePolicy::Ask : BandDifferencePolicy::Stop;
    const auto found = byName.find(*text);
    if (found == byName.end())
        throw UsageError("--on-band-difference takes ask, continue or stop, not " + *text);
    return found->second;
}

std::string PasswordText(const std::string& text, const char* what)
{
    if (text.size() > PasswordMaxLength)
        throw UsageError(std::string(what) + " takes at most " + std::to_string(PasswordMaxLength) + " characters");
    for (char c : text)
        if (c < FirstPrintable || c > LastPrintable)
            throw UsageError(std::string(what) + " takes printable ASCII characters only");
    return text;
}

std::optional<std::string> GivenPassword(const CliArgs& cli, const std::optional<std::string>& typed,
                                         const char* typedName, const PasswordSources& sources)
{
    const auto file = cli.Value(sources.fileOption);
    if (typed && file)
        throw UsageError(std::string("give either ") + typedName + " or " + sources.fileOption);
    if (typed)
        return PasswordText(*typed, typedName);
    if (file)
        return PasswordText(FirstLineOf(*file), sources.fileOption);
    if (const char* variable = std::getenv(sources.variable))
        return PasswordText(variable, sources.variable);
    return std::nullopt;
}

void ApplyPasswordOption(const CliArgs& cli, RadioSettings& settings)
{
    if (const auto password = GivenPassword(cli, cli.Value("--password"), "--password", PresentedPasswordSources))
        StorePasswordText(settings.Password, *password);
}

void ApplyFastOption(const CliArgs& cli, LinkSettings& link) { link.FastLink = cli.Has("--fast"); }

AppSettings CurrentAppSettings()
{
    static const AppSettings settings = LoadCurrentAppSettings();
    return settings;
}

bool BackupsWanted(const CliArgs& cli) { return !cli.Has("--no-backup") && CurrentAppSettings().Backups; }

std::string BackUpRead(const CliArgs& cli, const TransferTargets& targets)
{
    if (!BackupsWanted(cli))
        return {};
    const BackupResult kept = BackUpTransfer(targets.Settings, targets.Image, BackupDirection::Read);
    ShowBackup(kept);
    return kept.recordPath;
}

TeskComm32::PortLookup ConfiguredPorts() { return {CurrentAppSettings().PinnedPorts}; }
