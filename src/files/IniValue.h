#pragma once

#include <optional>
#include <string>

// Values of the settings file: integers in decimal, booleans as 0/1. Anything else is "not a
// value", and the caller falls back to its default.

std::optional<long long> ParseIniInteger(const std::string& text);

// 0 is false and any other integer true; "true" and "false" in any case are taken as well.
std::optional<bool> ParseIniBool(const std::string& text);

std::string FormatIniBool(bool value);
