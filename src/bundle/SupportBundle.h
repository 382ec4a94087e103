#pragma once

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "files/FileResult.h"
#include "files/ZipArchive.h"
#include "lang/AppLang.h"
#include "lang/Messages.h"

// A support bundle: one archive that a user hands to whoever helps them when a radio will not
// take its setup, with what that helper asks for first. The program puts it together on the
// computer and sends it nowhere.

// A file the bundle holds as it is, or why it does not.
struct BundleFile {
    std::optional<std::string> Bytes;
    Message Absent{MessageId::BundleNoneYet};

    static BundleFile Of(std::string bytes) { return {std::move(bytes), {MessageId::BundleNoneYet}}; }
    static BundleFile Without(Message why) { return {std::nullopt, std::move(why)}; }
};

// What goes into a bundle, as the front end that makes it found it.
struct SupportBundleSources {
    std::time_t Made = 0;
    std::string Program;       // name and version: "kr-t27 3.2.0"
    std::string System;        // the operating system as it names itself
    std::string Architecture;  // "x86_64"
    std::string SettingsName;  // the settings file's name, which it keeps in the archive
    BundleFile Settings;
    std::string Ports;  // the port list, a line per port
    BundleFile Trace;   // the last transfer's, the password masked
    // The files under the backups folder, as "SERIAL/20261208-093012-read.Kqd", in any order.
    std::vector<std::string> Backups;
    BundleFile ProgrammingLog;  // the whole log
};

// How much of the backups and of the programming log a bundle shows: enough to see what the
// last days brought.
constexpr size_t BundleBackupCount = 20;
constexpr size_t BundleLogRows = 50;

// The archive's files: README.txt (in `language`) saying what each of the others is, then
// version.txt, the settings file, ports.txt, last-transfer.trace, backups.txt (the newest backups)
// and programming-log.csv (its header and last rows). A file that is absent is left out and the
// README names it with the reason.
std::vector<ZipEntry> SupportBundleEntries(const SupportBundleSources& sources, TTeskFuncs::TLangType language);

// The archive of SupportBundleEntries, stamped with the time it was made.
std::optional<std::string> SupportBundleArchive(const SupportBundleSources& sources, TTeskFuncs::TLangType language);

// Writes the archive to `path` for the user alone (the log in it names radios and codes), through
// a temporary file as every save does, so that only a plain file is ever replaced.
FileResult SaveSupportBundle(const std::string& path, const SupportBundleSources& sources,
                             TTeskFuncs::TLangType language);

// The first line of a programming log and its last `rows` lines, each ended by CR LF as the log
// ends them. The log's text fields never hold a line break, so a line is a row.
std::string ProgrammingLogTail(const std::string& log, size_t rows);

// The files of the `count` newest backups among `names` ("SERIAL/20261208-093012-read.Kqd"),
// newest first, by the time their names begin with; a file whose name begins with no such time is
// no backup of the program's.
std::vector<std::string> NewestBackups(const std::vector<std::string>& names, size_t count);
