#include "model/ChannelsBand.h"

#include <algorithm>

namespace {

bool Inside(uint32_t hz, const BandLimits& band) { return hz >= band.BandMin && hz <= band.BandMax; }

std::vector<const ChannelRecord*> UsedChannels(const RadioSettings& settings)
{
    std::vector<const ChannelRecord*> used;
    for (unsigned n = 1; n <= ChannelCount; ++n)
        if (settings.IsChannelUsed(n))
            used.push_back(&settings.Channel[n]);
    return used;
}

}

bool ChannelFitsBand(const ChannelRecord& channel, const BandLimits& band)
{
    return Inside(channel.RxFreq, band) && (channel.TxFreq == 0 || Inside(channel.TxFreq, band));
}

std::optional<size_t> BandOfChannels(const RadioSettings& settings, const BandLimits& current,
                                     const std::vector<BandLimits>& bands)
{
    const std::vector<const ChannelRecord*> used = UsedChannels(settings);
    const auto fitting = [](const BandLimits& band) {
        return [&band](const ChannelRecord* channel) { return ChannelFitsBand(*channel, band); };
    };
    if (used.empty() || std::any_of(used.begin(), used.end(), fitting(current)))
        return std::nullopt;
    for (size_t i = 0; i < bands.size(); ++i)
        if (std::all_of(used.begin(), used.end(), fitting(bands[i])))
            return i;
    return std::nullopt;
}
