#include "files/IniValue.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

std::string Lowered(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

}  // namespace

std::optional<long long> ParseIniInteger(const std::string& text)
{
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-')
        ++first;
    long long value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

std::optional<bool> ParseIniBool(const std::string& text)
{
    if (const auto number = ParseIniInteger(text))
        return *number != 0;
    const std::string word = Lowered(text);
    if (word == "true")
        return true;
    if (word == "false")
        return false;
    return std::nullopt;
}

std::string FormatIniBool(bool value) { return value ? "1" : "0"; }
