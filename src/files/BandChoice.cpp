#include "files/BandChoice.h"

namespace {

constexpr uint32_t HertzPerMegahertz = 1000000;

bool IsBandIndex(int index) { return index >= 0 && index < BandCount; }

}

std::optional<int> MatchingBandIndex(const std::array<BandLimits, BandCount>& bands, const BandLimits& current)
{
    for (int i = 0; i < BandCount; ++i) {
        if (bands[i] == current)
            return i;
    }
    return std::nullopt;
}

std::string BandRangeText(const BandLimits& band)
{
    return std::to_string(band.BandMin / HertzPerMegahertz) + " - " + std::to_string(band.BandMax / HertzPerMegahertz) +
           "MHz";
}

BandLimits SelectedBandLimits(const AppSettings& settings)
{
    return settings.Bands[IsBandIndex(settings.BandSelete) ? settings.BandSelete : 0];
}
