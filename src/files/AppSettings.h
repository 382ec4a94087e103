#pragma once

#include <array>
#include <map>
#include <string>

#include "files/FileResult.h"
#include "model/BandLimits.h"

constexpr int BandCount = 6;

// The choices that belong to the computer rather than to a radio, kept in KR-T27_config.ini.
struct AppSettings {
    int Port = 1;
    int Language = 1;
    bool AutoSeachPort = true;
    std::array<BandLimits, BandCount> Bands = DefaultBands();
    int BandSelete = 1;
    // Section "Ports": COM number pinned to a device path ("COM7=/dev/serial/by-id/...").
    std::map<int, std::string> PinnedPorts;
    // Read the radio back after every write and compare ("VerifyAfterWrite"); written to the file
    // once it has been switched on, so a file that never used it keeps its old lines.
    bool VerifyAfterWrite = false;
    // Answer the radio without waiting for the link's ticks ("FastLink"); written once switched on.
    bool FastLink = false;
    // Keep a copy of every transfer in the backup folder; only the user switches it off ("Backups=0").
    bool Backups = true;

    static std::array<BandLimits, BandCount> DefaultBands();
};

// The settings file beside the executable; when that directory is not writable and no file is
// there yet, the user's configuration directory instead.
std::string SettingsFilePath();

// A settings file holds a few dozen lines; one larger than this is no settings file.
constexpr size_t SettingsFileLimit = 1024 * 1024;

// Reads the file, or creates it with the defaults when it is missing. A selection outside 0..5
// reads as 0; unreadable values fall back to their defaults. A file that cannot be read (larger
// than SettingsFileLimit among others) gives the defaults, and `unread`, when given, says why.
AppSettings LoadAppSettings(const std::string& path, FileResult* unread = nullptr);

// Writes port, language, search flag and selection; band limits only when the file is created
// anew. Other lines of an existing file are kept as they stand; one that cannot be read is left
// as it is.
FileResult SaveAppSettings(const std::string& path, const AppSettings& settings);
