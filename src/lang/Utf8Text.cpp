#include "lang/Utf8Text.h"

#include <cstdint>

namespace {

constexpr uint8_t ContinuationMask = 0xC0;
constexpr uint8_t ContinuationBits = 0x80;

bool IsContinuation(uint8_t byte) { return (byte & ContinuationMask) == ContinuationBits; }

// A lead byte, the length of the character it starts and the range its second byte must lie in
// (Unicode's table of well-formed byte sequences).
struct LeadRange {
    uint8_t first;
    uint8_t last;
    size_t length;
    uint8_t secondMin;
    uint8_t secondMax;
};

constexpr LeadRange LeadRanges[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

}

size_t Utf8CharacterLength(std::string_view text, size_t at)
{
    if (at >= text.size())
        return 0;
    const auto lead = uint8_t(text[at]);
    if (lead < ContinuationBits)
        return 1;
    for (const LeadRange& range : LeadRanges) {
        if (lead < range.first || lead > range.last)
            continue;
        if (at + range.length > text.size())
            return 0;
        const auto second = uint8_t(text[at + 1]);
        if (second < range.secondMin || second > range.secondMax)
            return 0;
        for (size_t i = 2; i < range.length; ++i)
            if (!IsContinuation(uint8_t(text[at + i])))
                return 0;
        return range.length;
    }
    return 0;
}
