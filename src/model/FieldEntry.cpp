#include "model/FieldEntry.h"

#include <algorithm>
#include <limits>

#include "model/Frequency.h"
#include "model/TypedTone.h"
#include "model/TypingRules.h"

namespace {

// ParseMegahertz drops digits beyond this decimal.
constexpr size_t HertzDecimals = 6;

bool DropsDecimals(std::string_view typed)
{
    const size_t point = typed.find('.');
    return point != std::string_view::npos && typed.size() - point - 1 > HertzDecimals;
}

Entered<uint32_t> Frequency(std::string_view typed, uint32_t hz, EntryOutcome outcome)
{
    return {hz, outcome, std::string(typed), FormatFrequency(hz)};
}

// A value that stands as it was read.
Entered<uint32_t> ExactFrequency(std::string_view typed, uint32_t hz)
{
    return Frequency(typed, hz, DropsDecimals(typed) ? EntryOutcome::CharactersDropped : EntryOutcome::Accepted);
}

std::optional<unsigned> Decimal(std::string_view typed)
{
    if (typed.empty())
        return std::nullopt;
    constexpr unsigned Saturated = std::numeric_limits<unsigned>::max();
    unsigned value = 0;
    for (char c : typed) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const unsigned digit = unsigned(c - '0');
        value = value > (Saturated - digit) / 10 ? Saturated : value * 10 + digit;
    }
    return value;
}

}

Entered<uint32_t> BandFrequencyEntry(std::string_view typed, uint32_t current, const BandLimits& band)
{
    const auto hz = ParseMegahertz(typed);
    if (!hz)
        return Frequency(typed, current, EntryOutcome::Refused);
    const uint32_t stored = SnapFrequencyInBand(*hz, band);
    if (*hz < band.BandMin || *hz > band.BandMax)
        return Frequency(typed, stored, EntryOutcome::ClampedToBand);
    if (stored != *hz)
        return Frequency(typed, stored, EntryOutcome::SnappedToRaster);
    return ExactFrequency(typed, stored);
}

Entered<uint32_t> TransmitFrequencyEntry(std::string_view typed, uint32_t current, const BandLimits& band)
{
    if (ParseMegahertz(typed) == 0u)
        return ExactFrequency(typed, 0);
    return BandFrequencyEntry(typed, current, band);
}

Entered<uint32_t> StepEntry(std::string_view typed, uint32_t current)
{
    const auto hz = ParseMegahertz(typed);
    if (!hz)
        return Frequency(typed, current, EntryOutcome::Refused);
    const uint32_t stored = SnapFrequency(*hz);
    if (*hz >= StepLimit)
        return Frequency(typed, stored, EntryOutcome::ClampedToBand);
    if (stored != *hz)
        return Frequency(typed, stored, EntryOutcome::SnappedToRaster);
    return ExactFrequency(typed, stored);
}

Entered<ToneSetting> ToneEntry(std::string_view typed, ToneSetting current)
{
    ToneSetting tone = current;
    const bool parsed = ParseTypedTone(typed, tone.type, tone.code);
    return {tone, parsed ? EntryOutcome::Accepted : EntryOutcome::Refused, std::string(typed),
            FormatToneText(tone.code, tone.type)};
}

// Byte by byte: every byte of a character beyond ASCII is dropped like the character itself.
Entered<std::string> DtmfCodeEntry(std::string_view typed, size_t capacity)
{
    std::string symbols;
    bool dropped = false;
    for (char c : typed) {
        const auto symbol = DtmfCharacter(char32_t(uint8_t(c)));
        if (symbol && symbols.size() < capacity)
            symbols += char(*symbol);
        else
            dropped = true;
    }
    return {symbols, dropped ? EntryOutcome::CharactersDropped : EntryOutcome::Accepted, std::string(typed), symbols};
}

Entered<unsigned> NumberEntry(std::string_view typed, unsigned current, unsigned least, unsigned most)
{
    const auto number = Decimal(typed);
    if (!number)
        return {current, EntryOutcome::Refused, std::string(typed), std::to_string(current)};
    const unsigned stored = std::clamp(*number, least, most);
    const EntryOutcome outcome = stored == *number ? EntryOutcome::Accepted : EntryOutcome::ClampedToBand;
    return {stored, outcome, std::string(typed), std::to_string(stored)};
}
