#include "text/DoubleByteCodec.h"

#include <algorithm>

#include "text/Utf8.h"

namespace {

constexpr int ByteBits = 8;
constexpr uint16_t LastByte = 0xFF;
// A two-byte code is at most three UTF-8 bytes, a lone high byte at most three as well.
constexpr size_t Utf8Growth = 3;

void AppendCode(std::string& bytes, uint16_t code)
{
    if (code > LastByte)
        bytes += char(code >> ByteBits);
    bytes += char(code & LastByte);
}

}

namespace {

// Stops at a byte that starts no character unless `markUnknown` lets it stand as UnknownMark.
std::optional<std::string> Decode(const DoubleByteTable& table, std::string_view bytes, bool markUnknown)
{
    std::string utf8;
    utf8.reserve(bytes.size() * Utf8Growth);
    for (size_t i = 0; i < bytes.size();) {
        const auto byte = uint8_t(bytes[i]);
        const uint16_t pair = i + 1 < bytes.size() ? table.Pair(byte, uint8_t(bytes[i + 1])) : 0;
        if (byte < FirstHighByte) {
            utf8 += char(byte);
        } else if (pair != 0) {
            AppendUtf8(utf8, pair);
            ++i;
        } else if (const uint16_t single = table.HighByte(byte); single != 0) {
            AppendUtf8(utf8, single);
        } else if (markUnknown) {
            utf8 += UnknownMark;
        } else {
            return std::nullopt;
        }
        ++i;
    }
    return utf8;
}

}

std::string DoubleByteToUtf8(const DoubleByteTable& table, std::string_view bytes)
{
    return *Decode(table, bytes, true);
}

std::optional<std::string> TryDoubleByteToUtf8(const DoubleByteTable& table, std::string_view bytes)
{
    return Decode(table, bytes, false);
}

DoubleByteEncoder::DoubleByteEncoder(const DoubleByteTable& table)
{
    const DoubleByteLayout& layout = table.Layout;
    for (unsigned byte = FirstHighByte; byte <= LastByte; ++byte)
        if (const uint16_t c = table.HighByte(uint8_t(byte)); c != 0)
            Entries_.push_back({c, uint16_t(byte)});
    for (unsigned lead = layout.LeadFirst; lead <= layout.LeadLast; ++lead)
        for (unsigned trail = layout.TrailFirst; trail <= layout.TrailLast; ++trail)
            if (const uint16_t c = table.Pair(uint8_t(lead), uint8_t(trail)); c != 0)
                Entries_.push_back({c, uint16_t(lead << ByteBits | trail)});
    std::sort(Entries_.begin(), Entries_.end(),
        [](const Entry& a, const Entry& b) { return a.Character < b.Character; });
}

std::optional<std::string> DoubleByteEncoder::Encode(std::string_view utf8) const
{
    std::string bytes;
    bytes.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        const std::optional<char32_t> c = NextUtf8Character(utf8, pos);
        const std::optional<uint16_t> code = c ? CodeOf(*c) : std::nullopt;
        if (!code)
            return std::nullopt;
        AppendCode(bytes, *code);
    }
    return bytes;
}

std::optional<uint16_t> DoubleByteEncoder::CodeOf(char32_t c) const
{
    if (c < FirstHighByte)
        return uint16_t(c);
    const auto found = std::lower_bound(Entries_.begin(), Entries_.end(), c,
        [](const Entry& entry, char32_t character) { return entry.Character < character; });
    if (found == Entries_.end() || found->Character != c)
        return std::nullopt;
    return found->Code;
}
