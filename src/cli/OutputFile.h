#pragma once

#include <optional>
#include <string>

// Why the file a command is about to write cannot be written, in English, or nothing when it can.
// Asked before a transfer, so that what comes from the radio is never read only to be lost; the
// save itself decides by the same rules.
std::optional<std::string> WhyNotWritable(const std::string& path);
