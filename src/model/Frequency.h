#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/BandLimits.h"

// Frequencies are held as whole hertz. In the radio's memory they are 8 digits of packed BCD
// in units of 10 Hz, least significant byte first.
std::array<uint8_t, 4> EncodeFreqBcd(uint32_t hz);
uint32_t DecodeFreqBcd(const uint8_t* bcd);

// "0" for 0, otherwise always nine characters: MHz with three digits, a point, five decimals.
std::string FormatFrequency(uint32_t hz);

// Clamps into the band, then keeps a multiple of 5000 Hz or lowers to a multiple of 6250 Hz.
uint32_t SnapFrequencyInBand(uint32_t hz, const BandLimits& band);

// Whether the frequency is a multiple of 5000 Hz or of 6250 Hz, as the snapping leaves it.
bool IsOnRaster(uint32_t hz);

// The raster rule alone, for step values; StepLimit or more becomes 0.
constexpr uint32_t StepLimit = 10000000;
uint32_t SnapFrequency(uint32_t hz);

// A typed megahertz text to hertz, scaled decimally so that no binary rounding creeps in.
// Digits beyond the sixth decimal are dropped; an empty text is 0; values beyond the u32 range
// saturate. Text that is not a plain decimal number gives nothing.
std::optional<uint32_t> ParseMegahertz(std::string_view text);
