#include "files/AppSettings.h"

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <system_error>

#include "files/AtomicFile.h"
#include "files/IniDocument.h"
#include "files/IniValue.h"
#include "files/TextFile.h"

namespace fs = std::filesystem;

namespace {

const char* const ConfigSection = "config";
const char* const BandSection = "Band";
const char* const PortsSection = "Ports";
const char* const PortKey = "Port";
const char* const LanguageKey = "Language";
const char* const AutoSeachPortKey = "AutoSeachPort";
const char* const VerifyAfterWriteKey = "VerifyAfterWrite";
const char* const FastLinkKey = "FastLink";
const char* const BackupsKey = "Backups";
const char* const BandSeleteKey = "band Selete";
const char* const PinnedPortPrefix = "COM";

std::string BandKey(int band, const char* bound) { return "band-" + std::to_string(band + 1) + " " + bound; }
std::string BandMinKey(int band) { return BandKey(band, "min"); }
std::string BandMaxKey(int band) { return BandKey(band, "max"); }

// A number outside what the field holds is as unreadable as text.
template <typename T>
T ReadNumber(const IniDocument& ini, const std::string& section, const std::string& key, T fallback)
{
    const auto text = ini.Value(section, key);
    const auto number = text ? ParseIniInteger(*text) : std::nullopt;
    constexpr auto lowest = static_cast<long long>(std::numeric_limits<T>::min());
    constexpr auto highest = static_cast<long long>(std::numeric_limits<T>::max());
    if (!number || *number < lowest || *number > highest)
        return fallback;
    return static_cast<T>(*number);
}

bool ReadBool(const IniDocument& ini, const char* section, const char* key, bool fallback)
{
    const auto text = ini.Value(section, key);
    const auto flag = text ? ParseIniBool(*text) : std::nullopt;
    return flag.value_or(fallback);
}

// "COM7" -> 7; anything that is not COM followed by a positive decimal number is no port.
std::optional<int> PinnedPortNumber(const std::string& key)
{
    const std::string prefix = PinnedPortPrefix;
    if (key.size() <= prefix.size())
        return std::nullopt;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(key[i])) != prefix[i])
            return std::nullopt;
    }
    const std::string digits = key.substr(prefix.size());
    if (digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const auto number = ParseIniInteger(digits);
    if (!number || *number < 1 || *number > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(*number);
}

std::map<int, std::string> ReadPinnedPorts(const IniDocument& ini)
{
    std::map<int, std::string> ports;
    for (const auto& [key, device] : ini.Entries(PortsSection)) {
        const auto number = PinnedPortNumber(key);
        if (number && !device.empty())
            ports.emplace(*number, device);  // the first of duplicates counts
    }
    return ports;
}

AppSettings ReadSettings(const IniDocument& ini)
{
    const AppSettings defaults;
    AppSettings s;
    s.Port = ReadNumber(ini, ConfigSection, PortKey, defaults.Port);
    s.Language = ReadNumber(ini, ConfigSection, LanguageKey, defaults.Language);
    s.AutoSeachPort = ReadBool(ini, ConfigSection, AutoSeachPortKey, defaults.AutoSeachPort);
    s.VerifyAfterWrite = ReadBool(ini, ConfigSection, VerifyAfterWriteKey, defaults.VerifyAfterWrite);
    s.FastLink = ReadBool(ini, ConfigSection, FastLinkKey, defaults.FastLink);
    s.Backups = ReadBool(ini, ConfigSection, BackupsKey, defaults.Backups);
    for (int i = 0; i < BandCount; ++i) {
        s.Bands[i].BandMin = ReadNumber(ini, BandSection, BandMinKey(i), defaults.Bands[i].BandMin);
        s.Bands[i].BandMax = ReadNumber(ini, BandSection, BandMaxKey(i), defaults.Bands[i].BandMax);
    }
    s.BandSelete = ReadNumber(ini, BandSection, BandSeleteKey, defaults.BandSelete);
    if (s.BandSelete < 0 || s.BandSelete >= BandCount)
        s.BandSelete = 0;
    s.PinnedPorts = ReadPinnedPorts(ini);
    return s;
}

bool FileIsMissing(const std::string& path)
{
    std::error_code ec;
    return !fs::exists(path, ec) && !ec;
}

// The settings may live in a configuration folder that does not exist yet.
FileResult CreateParentDirectory(const std::string& path)
{
    const fs::path parent = fs::path(path).parent_path();
    std::error_code ec;
    if (parent.empty() || fs::is_directory(parent, ec))
        return FileResult::Success();
    fs::create_directories(parent, ec);
    if (ec)
        return FileResult::Failure(FileProblem::CannotSave, path, ec.value());
    return FileResult::Success();
}

// Limits are written only into a new file, and then the built-in ones: hand-edited limits in an
// existing file are never overwritten.
void WriteDefaultBands(IniDocument& ini)
{
    const auto bands = AppSettings::DefaultBands();
    for (int i = 0; i < BandCount; ++i) {
        ini.Set(BandSection, BandMinKey(i), std::to_string(bands[i].BandMin));
        ini.Set(BandSection, BandMaxKey(i), std::to_string(bands[i].BandMax));
    }
}

}  // namespace

std::array<BandLimits, BandCount> AppSettings::DefaultBands()
{
    return {{
        {136000000, 174000000},
        {400000000, 470000000},
        {245000000, 246000000},
        {400000000, 480000000},
        {450000000, 520000000},
        {470000000, 520000000},
    }};
}

AppSettings LoadAppSettings(const std::string& path, FileResult* unread)
{
    if (FileIsMissing(path)) {
        const AppSettings defaults;
        // A file that cannot be created now fails again, and is reported, by the save at exit.
        SaveAppSettings(path, defaults);
        return defaults;
    }
    std::string text;
    if (const FileResult read = ReadTextFile(path, text, SettingsFileLimit); !read.ok) {
        if (unread)
            *unread = read;
        return AppSettings();
    }
    return ReadSettings(IniDocument::Parse(text));
}

FileResult SaveAppSettings(const std::string& path, const AppSettings& settings)
{
    const bool creating = FileIsMissing(path);
    IniDocument ini;
    if (creating) {
        const FileResult folder = CreateParentDirectory(path);
        if (!folder.ok)
            return folder;
    } else {
        std::string text;
        const FileResult read = ReadTextFile(path, text, SettingsFileLimit);
        if (!read.ok)
            return read;
        ini = IniDocument::Parse(text);
    }

    ini.Set(ConfigSection, PortKey, std::to_string(settings.Port));
    ini.Set(ConfigSection, LanguageKey, std::to_string(settings.Language));
    ini.Set(ConfigSection, AutoSeachPortKey, FormatIniBool(settings.AutoSeachPort));
    if (settings.VerifyAfterWrite || ini.Value(ConfigSection, VerifyAfterWriteKey))
        ini.Set(ConfigSection, VerifyAfterWriteKey, FormatIniBool(settings.VerifyAfterWrite));
    if (settings.FastLink || ini.Value(ConfigSection, FastLinkKey))
        ini.Set(ConfigSection, FastLinkKey, FormatIniBool(settings.FastLink));
    if (creating)
        WriteDefaultBands(ini);
    ini.Set(BandSection, BandSeleteKey, std::to_string(settings.BandSelete));

    const std::string text = ini.Text();
    return WriteFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}
