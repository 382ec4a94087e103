// Tone texts as a user types them: a text that parses formats to one that parses to the same tone,
// a text that does not parse leaves the outputs alone, and every tone a channel can carry comes
// back from its text and from its two memory bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "model/Tone.h"

namespace {

constexpr ToneCode CtcssLowest = 600;
constexpr ToneCode CtcssHighest = 2600;
constexpr ToneCode OctalCodes = 01000;

struct Tone {
    ToneType type;
    ToneCode code;

    bool operator==(const Tone& o) const { return type == o.type && code == o.code; }
};

// What no parse produces, so an untouched output shows.
constexpr Tone Untouched{ToneDcsInverted, 0x1234};

Tone Parsed(std::string_view text, bool& ok)
{
    Tone tone = Untouched;
    ok = ParseToneText(text, tone.type, tone.code);
    return tone;
}

void CheckTextRoundTrip(std::string_view text)
{
    bool ok = false;
    const Tone tone = Parsed(text, ok);
    if (!ok) {
        FUZZ_REQUIRE(tone == Untouched);
        return;
    }
    bool again = false;
    FUZZ_REQUIRE(Parsed(FormatToneText(tone.code, tone.type), again) == tone);
    FUZZ_REQUIRE(again);
}

// A CTCSS tone anywhere in its range, or any three-digit DCS code of either polarity.
Tone ValidTone(const uint8_t* bytes)
{
    const unsigned value = bytes[1] | (bytes[2] << 8);
    switch (bytes[0] % 3) {
    case 0:
        return {ToneCtcss, ToneCode(CtcssLowest + value % (CtcssHighest - CtcssLowest + 1))};
    case 1:
        return {ToneDcsNormal, ToneCode(DcsCodeBase + value % OctalCodes)};
    default:
        return {ToneDcsInverted, ToneCode(DcsCodeBase + value % OctalCodes)};
    }
}

void CheckValidTone(const Tone& tone)
{
    bool ok = false;
    FUZZ_REQUIRE(Parsed(FormatToneText(tone.code, tone.type), ok) == tone);
    FUZZ_REQUIRE(ok);
    const auto bytes = EncodeTone(tone.type, tone.code);
    Tone decoded = Untouched;
    DecodeTone(bytes.data(), decoded.type, decoded.code);
    FUZZ_REQUIRE(decoded == tone);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckTextRoundTrip(std::string_view(reinterpret_cast<const char*>(data), size));
    if (size >= 3)
        CheckValidTone(ValidTone(data));
    return 0;
}
