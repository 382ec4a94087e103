#include <gtest/gtest.h>

#include "model/ChannelsBand.h"

namespace {

constexpr BandLimits Vhf{136000000, 174000000};
constexpr BandLimits Uhf{400000000, 470000000};
constexpr BandLimits UpperUhf{450000000, 520000000};

struct Channel {
    uint32_t rx;
    uint32_t tx;
};

RadioSettings With(const std::vector<Channel>& channels)
{
    RadioSettings settings{};
    settings.ResetToDefaults();
    unsigned n = 1;
    for (const Channel& c : channels) {
        settings.SetChannelUsed(n, true);
        settings.Channel[n].RxFreq = c.rx;
        settings.Channel[n].TxFreq = c.tx;
        ++n;
    }
    return settings;
}

// A record made for another band is offered the band that holds all of it, and only then.
TEST(ChannelsBand, OffersTheBandThatHoldsEveryChannelWhenNoneFitsTheCurrentOne)
{
    const std::vector<BandLimits> table{Vhf, Uhf, UpperUhf};
    const struct {
        const char* name;
        std::vector<Channel> channels;
        std::optional<size_t> offered;
    } cases[] = {
        {"no channel", {}, std::nullopt},
        {"all in VHF", {{145500000, 145500000}, {146000000, 0}}, 0},
        {"limits included", {{136000000, 174000000}}, 0},
        {"one already fits", {{145500000, 0}, {446000000, 446000000}}, std::nullopt},
        {"transmit outside every band", {{145500000, 600000000}}, std::nullopt},
        {"spread over two bands", {{145500000, 0}, {500000000, 0}}, std::nullopt},
        {"first band that holds all", {{480000000, 0}}, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BandOfChannels(With(c.channels), Uhf, table), c.offered) << c.name;
}

}
