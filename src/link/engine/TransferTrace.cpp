#include "link/engine/TransferTrace.h"

#include <cstdio>

namespace {

constexpr int64_t MsPerSecond = 1000;

std::string HexBytes(const uint8_t* bytes, size_t count)
{
    std::string text;
    char hex[4];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(hex, sizeof hex, i == 0 ? "%02X" : " %02X", unsigned(bytes[i]));
        text += hex;
    }
    return text;
}

}

void TransferTrace::Sent(int64_t elapsedMs, const uint8_t* bytes, size_t count)
{
    if (count > 0)
        Add(elapsedMs, '>', HexBytes(bytes, count));
}

void TransferTrace::Received(int64_t elapsedMs, const uint8_t* bytes, size_t count)
{
    if (count > 0)
        Add(elapsedMs, '<', HexBytes(bytes, count));
}

void TransferTrace::Note(int64_t elapsedMs, const std::string& text) { Add(elapsedMs, '#', text); }

std::string TransferTrace::Text() const
{
    std::string text;
    for (const std::string& line : lines_)
        text += line + "\n";
    return text;
}

void TransferTrace::Add(int64_t elapsedMs, char mark, const std::string& rest)
{
    const int64_t ms = elapsedMs < 0 ? 0 : elapsedMs;
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "+%lld.%03lld %c ", static_cast<long long>(ms / MsPerSecond),
                  static_cast<long long>(ms % MsPerSecond), mark);
    lines_.push_back(stamp + rest);
}
