#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "model/BandLimits.h"
#include "model/MemoryImage.h"

// Options for the virtual radio (RadioProcess) as most transfer tests want it: answering at once,
// with a known serial number and the start-up band.
using RadioArgs = std::vector<std::string>;

inline const BandLimits RadioBand{BandLimits::StartupMin, BandLimits::StartupMax};
inline const RadioArgs QuickRadio = {"--no-pacing", "--serial", "20260504", "--band-limits",
                                     std::to_string(RadioBand.BandMin), std::to_string(RadioBand.BandMax)};
// A normal write moves 48 blocks of 16 bytes.
constexpr size_t NormalWriteSpan = 0x300;

inline RadioArgs QuickRadioWith(const RadioArgs& extra)
{
    RadioArgs all = QuickRadio;
    all.insert(all.end(), extra.begin(), extra.end());
    return all;
}

inline bool SameRange(const MemoryImage& a, const MemoryImage& b, size_t end)
{
    return std::equal(a.begin(), a.begin() + std::ptrdiff_t(end), b.begin());
}
