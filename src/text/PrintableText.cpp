#include "text/PrintableText.h"

#include <cstdint>
#include <cstdio>

#include "text/Utf8.h"

namespace {

constexpr uint8_t FirstPrintable = 0x20;
constexpr uint8_t Delete = 0x7F;
// U+0080 to U+009F, the C1 controls, are C2 80 to C2 9F in UTF-8.
constexpr uint8_t C1Lead = 0xC2;
constexpr uint8_t LastC1Trail = 0x9F;

bool IsControl(std::string_view character)
{
    const auto lead = uint8_t(character[0]);
    if (character.size() == 1)
        return lead < FirstPrintable || lead == Delete;
    return lead == C1Lead && uint8_t(character[1]) <= LastC1Trail;
}

void AppendEscaped(std::string& out, std::string_view bytes)
{
    for (char byte : bytes) {
        char escaped[sizeof "\\xff"];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", unsigned(uint8_t(byte)));
        out += escaped;
    }
}

}

std::string PrintableText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const size_t length = Utf8CharacterLength(text, at);
        const std::string_view character = text.substr(at, length == 0 ? 1 : length);
        if (length == 0 || IsControl(character))
            AppendEscaped(out, character);
        else
            out += character;
        at += character.size();
    }
    return out;
}
