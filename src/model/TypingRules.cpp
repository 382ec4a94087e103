#include "model/TypingRules.h"

#include <cstring>

#include "model/RadioSettings.h"
#include "text/Utf8.h"

namespace {

constexpr size_t FrequencyTextLimit = 9;
constexpr size_t ToneTextLimit = 5;
constexpr size_t BatchPointPosition = 4;
constexpr char Point = '.';
constexpr char32_t FirstBeyondAscii = 128;
constexpr char32_t FirstPrintable = 32;
constexpr char32_t Delete = 127;

bool IsAsciiDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

char32_t UpperCase(char32_t c) { return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c; }

std::optional<char32_t> UpperCaseOf(char32_t typed, const char* accepted)
{
    const char32_t upper = UpperCase(typed);
    if (upper < FirstBeyondAscii && upper != 0 && std::strchr(accepted, char(upper)))
        return upper;
    return std::nullopt;
}

}

std::optional<char32_t> GridFrequencyCharacter(char32_t typed)
{
    if (IsAsciiDigit(typed) || typed == U'.')
        return typed;
    return std::nullopt;
}

std::optional<char32_t> BatchFrequencyCharacter(char32_t typed)
{
    if (typed >= FirstBeyondAscii)
        return typed;
    return GridFrequencyCharacter(typed);
}

std::optional<char32_t> ToneCharacter(char32_t typed)
{
    if (IsAsciiDigit(typed) || typed == U'.')
        return typed;
    return UpperCaseOf(typed, "DNI");
}

std::optional<char32_t> DtmfCharacter(char32_t typed)
{
    if (IsAsciiDigit(typed) || typed == U'*' || typed == U'#')
        return typed;
    return UpperCaseOf(typed, "ABCD");
}

std::string FilteredText(std::string_view typed, TypedCharacterRule rule)
{
    std::string kept;
    for (size_t pos = 0; pos < typed.size();) {
        const auto c = NextUtf8Character(typed, pos);
        if (!c) {
            ++pos;
            continue;
        }
        const auto accepted = *c < FirstPrintable || *c == Delete ? c : rule(*c);
        if (accepted)
            AppendUtf8(kept, *accepted);
    }
    return kept;
}

std::string CorrectFrequencyText(const std::string& text)
{
    if (Utf8CharacterCount(text) > FrequencyTextLimit)
        return WithoutLastCharacter(text);
    if (text == std::string(1, Point))
        return {};
    const size_t firstPoint = text.find(Point);
    if (firstPoint == std::string::npos)
        return text;
    std::string kept = text.substr(0, firstPoint + 1);
    for (char c : text.substr(firstPoint + 1))
        if (c != Point)
            kept += c;
    return kept;
}

// The last character is a digit or a point only when its last byte is: every byte of a longer
// character lies beyond ASCII.
std::string CorrectBatchFrequencyText(const std::string& text)
{
    if (text.empty())
        return text;
    const size_t length = Utf8CharacterCount(text);
    if (length > FrequencyTextLimit)
        return WithoutLastCharacter(text);
    const auto last = char32_t(uint8_t(text.back()));
    const bool pointAllowed = length == BatchPointPosition;
    if (IsAsciiDigit(last) || (pointAllowed && last == U'.'))
        return text;
    return WithoutLastCharacter(text);
}

std::string CorrectToneText(const std::string& text)
{
    return Utf8CharacterCount(text) > ToneTextLimit ? WithoutLastCharacter(text) : text;
}

std::string CorrectDtmfText(const std::string& text)
{
    return Utf8CharacterCount(text) > DtmfCodeCapacity ? WithoutLastCharacter(text) : text;
}

std::string CorrectedText(std::string text, TextCorrection correct)
{
    for (std::string next = correct(text); next != text; next = correct(text))
        text = next;
    return text;
}

// Bytes that start no well-formed character are no key anyone pressed: they are dropped.
std::string TypedText(std::string_view typed, TypedCharacterRule rule, TextCorrection correct)
{
    std::string kept;
    for (size_t pos = 0; pos < typed.size();) {
        const std::optional<char32_t> c = NextUtf8Character(typed, pos);
        if (!c) {
            ++pos;
            continue;
        }
        if (const std::optional<char32_t> accepted = rule ? rule(*c) : c)
            AppendUtf8(kept, *accepted);
    }
    return CorrectedText(kept, correct);
}
