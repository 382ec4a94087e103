#include "text/Utf8.h"

#include <cstdint>

namespace {

constexpr char32_t LastOneByte = 0x7F;
constexpr char32_t LastTwoBytes = 0x7FF;
constexpr char32_t LastThreeBytes = 0xFFFF;
constexpr char32_t LastCharacter = 0x10FFFF;
constexpr char32_t FirstSurrogate = 0xD800;
constexpr char32_t LastSurrogate = 0xDFFF;

constexpr uint8_t ContinuationMask = 0xC0;
constexpr uint8_t ContinuationTag = 0x80;
constexpr int ContinuationBits = 6;
constexpr char32_t ContinuationValue = 0x3F;

struct LeadForm {
    uint8_t Mask;
    uint8_t Tag;
    size_t Length;
    // The smallest character of this length: anything below is an overlong form.
    char32_t Smallest;
};

constexpr LeadForm LeadForms[] = {
    {0xE0, 0xC0, 2, LastOneByte + 1},
    {0xF0, 0xE0, 3, LastTwoBytes + 1},
    {0xF8, 0xF0, 4, LastThreeBytes + 1},
};

}

void AppendUtf8(std::string& text, char32_t c)
{
    if (c <= LastOneByte) {
        text += char(c);
        return;
    }
    const LeadForm& form = c <= LastTwoBytes ? LeadForms[0] : c <= LastThreeBytes ? LeadForms[1] : LeadForms[2];
    const int continuations = int(form.Length) - 1;
    text += char(form.Tag | (c >> (continuations * ContinuationBits)));
    for (int i = continuations - 1; i >= 0; --i)
        text += char(ContinuationTag | ((c >> (i * ContinuationBits)) & ContinuationValue));
}

std::optional<char32_t> NextUtf8Character(std::string_view text, size_t& pos)
{
    if (pos >= text.size())
        return std::nullopt;
    const auto lead = uint8_t(text[pos]);
    if (lead <= LastOneByte) {
        ++pos;
        return lead;
    }
    for (const LeadForm& form : LeadForms) {
        if ((lead & form.Mask) != form.Tag)
            continue;
        if (text.size() - pos < form.Length)
            return std::nullopt;
        char32_t c = lead & ~form.Mask & 0xFF;
        for (size_t i = 1; i < form.Length; ++i) {
            const auto next = uint8_t(text[pos + i]);
            if ((next & ContinuationMask) != ContinuationTag)
                return std::nullopt;
            c = (c << ContinuationBits) | (next & ContinuationValue);
        }
        if (c < form.Smallest || c > LastCharacter || (c >= FirstSurrogate && c <= LastSurrogate))
            return std::nullopt;
        pos += form.Length;
        return c;
    }
    return std::nullopt;
}

size_t Utf8CharacterLength(std::string_view text, size_t at)
{
    size_t pos = at;
    return NextUtf8Character(text, pos) ? pos - at : 0;
}

std::vector<char32_t> Utf8Characters(std::string_view text)
{
    std::vector<char32_t> characters;
    for (size_t pos = 0; pos < text.size();) {
        const std::optional<char32_t> c = NextUtf8Character(text, pos);
        characters.push_back(c ? *c : char32_t(uint8_t(text[pos++])));
    }
    return characters;
}

size_t Utf8CharacterCount(std::string_view text) { return Utf8Characters(text).size(); }

std::string WithoutLastCharacter(const std::string& text)
{
    size_t lastStart = 0;
    for (size_t pos = 0; pos < text.size();) {
        lastStart = pos;
        if (!NextUtf8Character(text, pos))
            ++pos;
    }
    return text.substr(0, lastStart);
}

std::string CutToCharacters(const std::string& text, size_t count)
{
    size_t pos = 0;
    for (size_t kept = 0; kept < count && pos < text.size(); ++kept)
        if (!NextUtf8Character(text, pos))
            ++pos;
    return text.substr(0, pos);
}
