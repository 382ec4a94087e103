#pragma once

#include <cstdint>

// The inclusive band that every entered frequency is clamped to. At start-up it is 400-470 MHz;
// a band choice or a read from the radio replaces it.
struct BandLimits {
    static constexpr uint32_t StartupMin = 400000000;
    static constexpr uint32_t StartupMax = 470000000;

    uint32_t BandMin = StartupMin;
    uint32_t BandMax = StartupMax;

    bool operator==(const BandLimits& o) const { return BandMin == o.BandMin && BandMax == o.BandMax; }
    bool operator!=(const BandLimits& o) const { return !(*this == o); }
};
