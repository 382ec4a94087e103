#include "model/Tone.h"

#include <cstdio>

namespace {

constexpr uint8_t DcsMarkBits = 0x28;
constexpr uint8_t DcsInvertedBit = 0x80;
constexpr int CtcssMin = 600;
constexpr int CtcssMax = 2600;
constexpr int DcsOctalMax = 0777;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsOctal(char c) { return c >= '0' && c <= '7'; }

// Character at position i, or the terminating zero past the end, as the radio's text rule reads it.
char At(std::string_view text, size_t i) { return i < text.size() ? text[i] : '\0'; }

bool ParseDcs(std::string_view text, ToneCode& code)
{
    if (At(text, 0) != 'D')
        return false;
    int octal = 0;
    for (size_t i = 1; i <= 3; ++i) {
        if (!IsOctal(At(text, i)))
            return false;
        octal = octal * 8 + (At(text, i) - '0');
    }
    code = ToneCode(DcsCodeBase + octal);
    return true;
}

// Appends the digits from position i to the value and returns the position after them. A value
// past the tone range stays past it rather than growing on: a long run of digits must not wrap
// around into the range and pass as a tone.
size_t AppendDigits(std::string_view text, size_t i, int& value)
{
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (value <= CtcssMax)
            value = value * 10 + (text[i] - '0');
    }
    return i;
}

bool ParseCtcss(std::string_view text, ToneCode& code)
{
    const char first = At(text, 0);
    if (first == '3' || first == '4' || first == '5')
        return false;
    if (!IsDigit(At(text, 1)))
        return false;
    const char c2 = At(text, 2), c3 = At(text, 3), c4 = At(text, 4);
    if (!(IsDigit(c2) || c2 == '.') || !(IsDigit(c3) || c3 == '.'))
        return false;
    if (!(IsDigit(c4) || c4 == '\0'))
        return false;
    if ((c2 == '.') == (c3 == '.'))
        return false;

    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    int value = 0;
    i = AppendDigits(text, i, value);
    if (i < text.size() && text[i] == '.')
        ++i;
    AppendDigits(text, i, value);
    if (value < CtcssMin || value > CtcssMax)
        return false;
    code = ToneCode(value);
    return true;
}

}

std::array<uint8_t, 2> EncodeTone(ToneType type, ToneCode code)
{
    std::array<uint8_t, 2> bytes{uint8_t(code & 0xFF), uint8_t(code >> 8)};
    if (type == ToneDcsNormal)
        bytes[1] = uint8_t((bytes[1] | DcsMarkBits) & ~DcsInvertedBit);
    else if (type == ToneDcsInverted)
        bytes[1] = uint8_t(bytes[1] | DcsMarkBits | DcsInvertedBit);
    return bytes;
}

void DecodeTone(const uint8_t* bytes, ToneType& type, ToneCode& code)
{
    uint8_t high = bytes[1];
    if (high == 0xFF || high == 0x00) {
        type = ToneNone;
        code = 0;
        return;
    }
    if ((high & DcsMarkBits) == DcsMarkBits) {
        type = (high & DcsInvertedBit) ? ToneDcsInverted : ToneDcsNormal;
        high = uint8_t(high & ~DcsInvertedBit);
    } else {
        type = ToneCtcss;
    }
    code = ToneCode(high * 256 + bytes[0]);
}

bool ParseToneText(std::string_view text, ToneType& type, ToneCode& code)
{
    if (text == "Off") {
        type = ToneNone;
        code = ToneCodeOff;
        return true;
    }
    ToneCode parsed = 0;
    const char suffix = At(text, 4);
    if (suffix == 'N' || suffix == 'I') {
        if (!ParseDcs(text, parsed))
            return false;
        type = suffix == 'N' ? ToneDcsNormal : ToneDcsInverted;
    } else {
        if (!ParseCtcss(text, parsed))
            return false;
        type = ToneCtcss;
    }
    code = parsed;
    return true;
}

std::string FormatToneText(ToneCode code, ToneType type)
{
    if (code == 0 || code == ToneCodeOff)
        return "Off";
    char text[16];
    switch (type) {
    case ToneCtcss:
        std::snprintf(text, sizeof text, "%.1f", code / 10.0);
        return text;
    case ToneDcsNormal:
    case ToneDcsInverted: {
        const ToneCode word = type == ToneDcsInverted ? ToneCode(code & 0x7FFF) : code;
        char octal[16];
        std::snprintf(octal, sizeof octal, "%03o", unsigned(word));
        const size_t n = std::char_traits<char>::length(octal);
        std::snprintf(text, sizeof text, "D%c%c%c%c", octal[n - 3], octal[n - 2], octal[n - 1],
                      type == ToneDcsInverted ? 'I' : 'N');
        return text;
    }
    default:
        return "Off";
    }
}

bool IsValidTone(ToneType type, ToneCode code)
{
    switch (type) {
    case ToneNone:
        return code == 0 || code == ToneCodeOff;
    case ToneCtcss:
        return code >= CtcssMin && code <= CtcssMax;
    case ToneDcsNormal:
    case ToneDcsInverted:
        return code >= DcsCodeBase && code <= DcsCodeBase + DcsOctalMax;
    }
    return false;
}
