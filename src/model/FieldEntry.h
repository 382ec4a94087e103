#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/BandLimits.h"
#include "model/Tone.h"
#include "model/TypedEntry.h"

// The rules that turn the text of an edit box into the value its field stores, one per kind of
// field. Each gets the whole text as the box holds it when it is left and the field's current
// value, which a refused text leaves in place.

// A frequency in megahertz, clamped to the band and snapped to the raster; an empty text is 0,
// so it gives the band's lower limit.
Entered<uint32_t> BandFrequencyEntry(std::string_view typed, uint32_t current, const BandLimits& band);

// A transmit frequency: 0 (or an empty text) means none and stays 0; any other value as above.
Entered<uint32_t> TransmitFrequencyEntry(std::string_view typed, uint32_t current, const BandLimits& band);

// A step between channels: snapped to the raster without a band; 10 MHz or more becomes 0.
Entered<uint32_t> StepEntry(std::string_view typed, uint32_t current);

struct ToneSetting {
    ToneType type = ToneNone;
    ToneCode code = 0;
};

// A tone as a person types it (ParseTypedTone): "67" is 67.0, "23n" is D023N, an empty text is Off;
// a text no tone reads as is refused.
Entered<ToneSetting> ToneEntry(std::string_view typed, ToneSetting current);

// DTMF symbols: lower-case a to d count as their capitals; other characters and symbols beyond
// `capacity` are dropped. The value is the symbols kept, as text.
Entered<std::string> DtmfCodeEntry(std::string_view typed, size_t capacity);

// A decimal number between `least` and `most`: beyond them it is clamped, anything but digits is
// refused.
Entered<unsigned> NumberEntry(std::string_view typed, unsigned current, unsigned least, unsigned most);
