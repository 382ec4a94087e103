#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "model/BandLimits.h"
#include "model/RadioSettings.h"

// Whether the channel's receive frequency, and its transmit frequency unless it has none, lie in
// `band`, limits included.
bool ChannelFitsBand(const ChannelRecord& channel, const BandLimits& band);

// The first of `bands` that holds every used channel of `settings`, when not one of them fits
// `current`: the record was made for another band. None when no channel is used, when a channel
// fits the current band, or when no band holds them all.
std::optional<size_t> BandOfChannels(const RadioSettings& settings, const BandLimits& current,
                                     const std::vector<BandLimits>& bands);
