// Typed megahertz texts: what parses and fits the radio's memory formats to a text that parses to
// the same frequency at the format's 10 Hz resolution, and a snapped frequency comes back exactly,
// from its text and from its packed BCD.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "model/Frequency.h"

namespace {

// Eight BCD digits of tens of hertz.
constexpr uint32_t HighestStorableHz = 999999999;
constexpr uint32_t FormatResolutionHz = 10;
constexpr size_t FormattedLength = 9;

uint32_t AtFormatResolution(uint32_t hz) { return hz - hz % FormatResolutionHz; }

void CheckStorable(uint32_t hz)
{
    const std::string text = FormatFrequency(hz);
    FUZZ_REQUIRE(hz == 0 ? text == "0" : text.size() == FormattedLength);
    const auto again = ParseMegahertz(text);
    FUZZ_REQUIRE(again && *again == AtFormatResolution(hz));
    // Below 10 Hz the nine characters read back as 0, which formats as "0".
    FUZZ_REQUIRE(*again == 0 || FormatFrequency(*again) == text);
    FUZZ_REQUIRE(DecodeFreqBcd(EncodeFreqBcd(hz).data()) == AtFormatResolution(hz));
}

void CheckSnapped(uint32_t hz)
{
    const BandLimits band;
    const uint32_t snapped = SnapFrequencyInBand(hz, band);
    FUZZ_REQUIRE(snapped >= band.BandMin && snapped <= band.BandMax);
    FUZZ_REQUIRE(SnapFrequencyInBand(snapped, band) == snapped);
    FUZZ_REQUIRE(ParseMegahertz(FormatFrequency(snapped)) == snapped);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto hz = ParseMegahertz(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!hz)
        return 0;
    if (*hz <= HighestStorableHz)
        CheckStorable(*hz);
    CheckSnapped(*hz);
    return 0;
}
