#include "model/Utf8Characters.h"

#include <algorithm>

namespace {

constexpr uint8_t ContinuationBits = 0x3F;
constexpr int ContinuationShift = 6;

// Calls `each(start, length)` for every character.
template <typename Each>
void ForEachCharacter(std::string_view text, Each each)
{
    for (size_t i = 0; i < text.size();) {
        const size_t length = std::min(Utf8SequenceLength(uint8_t(text[i])), text.size() - i);
        each(i, length);
        i += length;
    }
}

}

size_t Utf8SequenceLength(uint8_t lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

std::vector<char32_t> CodePoints(std::string_view text)
{
    std::vector<char32_t> points;
    ForEachCharacter(text, [&](size_t start, size_t length) {
        const auto lead = uint8_t(text[start]);
        // The lead byte keeps the bits below its length marker.
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k)
            point = point << ContinuationShift | (uint8_t(text[start + k]) & ContinuationBits);
        points.push_back(point);
    });
    return points;
}

size_t CharacterCount(std::string_view text)
{
    size_t count = 0;
    ForEachCharacter(text, [&](size_t, size_t) { ++count; });
    return count;
}

std::string WithoutLastCharacter(const std::string& text)
{
    size_t lastStart = 0;
    ForEachCharacter(text, [&](size_t start, size_t) { lastStart = start; });
    return text.substr(0, lastStart);
}
