#pragma once

#include <optional>
#include <string>

// Why the file a command is about to write cannot be written, or nothing when it can. Asked before
// a transfer, so that what comes from the radio is never read only to be lost. The save puts a new
// file beside the target and renames it over the target, so the folder must take new files and an
// existing target must be a regular file that may be written.
std::optional<std::string> WhyNotWritable(const std::string& path);
