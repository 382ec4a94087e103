#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/DoubleByteTable.h"

// What stands for a byte that starts no character, and for a character without a code.
constexpr char UnknownMark = '?';

// Bytes of a double-byte encoding as UTF-8. ASCII stays itself; a byte that starts no character
// becomes UnknownMark and the byte after it is read afresh, which is how glibc's iconv reads them
// when stopped at the byte and restarted past it.
std::string DoubleByteToUtf8(const DoubleByteTable& table, std::string_view bytes);
// The same, or nothing when a byte starts no character.
std::optional<std::string> TryDoubleByteToUtf8(const DoubleByteTable& table, std::string_view bytes);

// The way back, for every character the table holds.
class DoubleByteEncoder {
public:
    explicit DoubleByteEncoder(const DoubleByteTable& table);

    // Nothing when the text is not UTF-8 or a character has no code.
    std::optional<std::string> Encode(std::string_view utf8) const;

private:
    struct Entry {
        uint16_t Character;
        // A lone high byte, or lead and trail as the high and the low byte.
        uint16_t Code;
    };

    std::optional<uint16_t> CodeOf(char32_t c) const;

    // Sorted by character.
    std::vector<Entry> Entries_;
};
