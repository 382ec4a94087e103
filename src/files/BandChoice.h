#pragma once

#include <array>
#include <optional>
#include <string>

#include "files/AppSettings.h"
#include "model/BandLimits.h"

// The first of the six bands whose limits are exactly `current`; none after reading a radio whose
// band is not in the table.
std::optional<int> MatchingBandIndex(const std::array<BandLimits, BandCount>& bands, const BandLimits& current);

// "136 - 174MHz": both limits in whole megahertz, the remainder dropped.
std::string BandRangeText(const BandLimits& band);

// The selected band's limits; a selection outside the table means the first band.
BandLimits SelectedBandLimits(const AppSettings& settings);
