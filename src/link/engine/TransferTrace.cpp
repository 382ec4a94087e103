#include "link/engine/TransferTrace.h"

#include <cstdio>

namespace {

constexpr int64_t MsPerSecond = 1000;
constexpr const char* MaskedByte = "**";

bool Within(const ByteRange& range, size_t i) { return i >= range.first && i - range.first < range.count; }

std::string HexBytes(const std::vector<uint8_t>& bytes, const ByteRange& hidden)
{
    std::string text;
    char hex[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            text += ' ';
        if (Within(hidden, i)) {
            text += MaskedByte;
            continue;
        }
        std::snprintf(hex, sizeof hex, "%02X", unsigned(bytes[i]));
        text += hex;
    }
    return text;
}

}

void TransferTrace::Sent(int64_t elapsedMs, const uint8_t* bytes, size_t count, ByteRange password)
{
    AddBytes(elapsedMs, '>', bytes, count, password);
}

void TransferTrace::Received(int64_t elapsedMs, const uint8_t* bytes, size_t count, ByteRange password)
{
    AddBytes(elapsedMs, '<', bytes, count, password);
}

void TransferTrace::Note(int64_t elapsedMs, const std::string& text)
{
    entries_.push_back({elapsedMs, '#', text, {}, {}});
}

std::vector<std::string> TransferTrace::Lines(TraceSecrets secrets) const
{
    std::vector<std::string> lines;
    for (const Entry& entry : entries_)
        lines.push_back(LineOf(entry, secrets));
    return lines;
}

std::string TransferTrace::Text(TraceSecrets secrets) const
{
    std::string text;
    for (const Entry& entry : entries_)
        text += LineOf(entry, secrets) + "\n";
    return text;
}

void TransferTrace::AddBytes(int64_t elapsedMs, char mark, const uint8_t* bytes, size_t count, ByteRange password)
{
    if (count > 0)
        entries_.push_back({elapsedMs, mark, {}, std::vector<uint8_t>(bytes, bytes + count), password});
}

std::string TransferTrace::LineOf(const Entry& entry, TraceSecrets secrets)
{
    const int64_t ms = entry.elapsedMs < 0 ? 0 : entry.elapsedMs;
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "+%lld.%03lld %c ", static_cast<long long>(ms / MsPerSecond),
                  static_cast<long long>(ms % MsPerSecond), entry.mark);
    if (entry.bytes.empty())
        return stamp + entry.note;
    return stamp + HexBytes(entry.bytes, secrets == TraceSecrets::Masked ? entry.password : ByteRange{});
}
