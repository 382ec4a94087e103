#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "model/RadioSettings.h"

namespace {

TEST(RadioSettings, ResetLeavesOnlyTheDocumentedDefaults)
{
    RadioSettings s;
    std::memset(&s, 0xA5, sizeof s);
    s.ResetToDefaults();

    const std::map<size_t, uint8_t> expected = {
        {2920, 1},           {2929, 5},   {2930, 3},          {2938, 3},          {2946, 8},
        {2948, 2000 & 0xFF}, {2949, 2000 >> 8}, {2950, 180},  {2957, 1},          {2963, 1},
        {2965, 1},           {2969, 1},   {2975, 3},          {2980, 1},          {2982, 1},
        {2983, 1},           {2986, 100}, {2987, 100},        {2988, 100},        {2990, 500 & 0xFF},
        {2991, 500 >> 8},    {2992, 50},  {3071, 1},          {3075, 5},          {3076, 10},
        {3077, 2},           {3078, 1},   {3079, 5},          {3081, 17},
    };
    for (size_t i = 0; i < RadioSettingsBlockSize; ++i) {
        const auto it = expected.find(i);
        EXPECT_EQ(s.BlockBytes()[i], it == expected.end() ? 0 : it->second) << "offset " << i;
    }
    EXPECT_EQ(uint16_t(s.LastWriteYear), 0);
    EXPECT_EQ(s.LastWriteMinute, 0);
    EXPECT_EQ(uint16_t(s.VoxDelay), 2000);
    EXPECT_EQ(uint16_t(s.Tot), 180);
    EXPECT_EQ(uint16_t(s.DtmfPretime), 500);
}

TEST(RadioSettings, ChannelBitsAndOptionFieldsShareTheirBytes)
{
    ChannelRecord ch{};
    ch.OptA = 0xE0;
    ch.SetChSquelchMode(4);
    ch.SetBusyLock(2);
    EXPECT_EQ(ch.OptA, 0xE0 | 0x04 | 0x10);
    EXPECT_EQ(ch.ChSquelchMode(), 4);
    EXPECT_EQ(ch.BusyLock(), 2);

    ch.OptB = 0x07;
    ch.SetScanAdd(true);
    ch.SetPower(2);
    ch.SetBandwidth(true);
    ch.SetDtmf(true);
    EXPECT_EQ(ch.OptB, 0x07 | 0x80 | 0x40 | 0x10 | 0x08);
    ch.SetPower(1);
    ch.SetDtmf(false);
    EXPECT_EQ(ch.OptB, 0x07 | 0x80 | 0x20 | 0x10);
    EXPECT_EQ(ch.Power(), 1);
}

TEST(RadioSettings, AnUnusedChannelKeepsItsBytes)
{
    RadioSettings s{};
    s.ResetToDefaults();
    s.SetChannelUsed(3, true);
    s.Channel[3].RxFreq = 438500000;
    s.SetChannelUsed(3, false);
    EXPECT_EQ(uint32_t(s.Channel[3].RxFreq), 438500000u);
    s.SetChannelUsed(3, true);
    EXPECT_EQ(uint32_t(s.Channel[3].RxFreq), 438500000u);
    EXPECT_EQ(s.BlockBytes()[1388 + 80 * 3 + 2], 0x22);
}

}
