#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/CliArgs.h"

// Why the file a command is about to write cannot be written, in English, or nothing when it can.
// Asked before a transfer, so that what comes from the radio is never read only to be lost; the
// save itself decides by the same rules.
std::optional<std::string> WhyNotWritable(const std::string& path);

// A file a command reads that is named by an argument instead of an option, such as the record
// it writes to the radio.
struct FileArgument {
    std::string what;
    std::string path;
};

// Why the files a command names cannot serve as named, in English, or nothing when they can: two
// names of one file where either is written (only --out may bring its --base up to date), or an
// --out or --trace that cannot be written. Every command that talks to the radio asks before it
// opens the port, so a refusal costs the radio nothing.
std::optional<std::string> WhyFilesRefused(const CliArgs& cli, const std::vector<FileArgument>& readArguments = {});
