#include "cli/TransferOptions.h"

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <system_error>

#include "model/Password.h"
#include "ports/SerialPortInfo.h"

namespace {
constexpr char FirstPrintable = 0x20;
constexpr char LastPrintable = 0x7E;
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

void StorePasswordText(uint8_t (&field)[PasswordFieldSize], const std::string& text)
{
    std::memset(field, 0, sizeof field);
    std::memcpy(field, text.data(), text.size());
}

void ApplyPasswordOption(const CliArgs& cli, RadioSettings& settings)
{
    if (const auto password = cli.Value("--password"))
        StorePasswordText(settings.Password, PasswordText(*password, "--password"));
}

void ApplyFastOption(const CliArgs& cli, LinkSettings& link) { link.FastLink = cli.Has("--fast"); }

AppSettings CurrentAppSettings()
{
    const std::string path = SettingsFilePath();
    std::error_code ec;
    return std::filesystem::exists(path, ec) ? LoadAppSettings(path) : AppSettings();
}

bool BackupsWanted(const CliArgs& cli) { return !cli.Has("--no-backup") && CurrentAppSettings().Backups; }

void UsePinnedPorts() { TeskComm32::SetPinnedPorts(CurrentAppSettings().PinnedPorts); }
