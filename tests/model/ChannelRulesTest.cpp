#include <gtest/gtest.h>

#include <cstring>

#include "model/BandLimits.h"
#include "model/ChannelBatchFill.h"
#include "model/ChannelFields.h"
#include "model/ChannelRules.h"
#include "model/Tone.h"

namespace {

class ChannelRules : public ::testing::Test {
protected:
    void SetUp() override { settings.ResetToDefaults(); }

    RadioSettings settings;
    const BandLimits band{};
};

TEST_F(ChannelRules, ANewChannelKeepsItsNameAndResetsEverythingElse)
{
    ChannelRecord& channel = settings.Channel[3];
    std::memset(&channel, 0xAB, sizeof channel);
    EnterReceiveFrequency(settings, 3, "438.5", band);
    EXPECT_TRUE(settings.IsChannelUsed(3));
    EXPECT_EQ(uint32_t(channel.TxFreq), 438500000u);
    EXPECT_EQ(channel.DecType, 0);
    EXPECT_EQ(uint16_t(channel.EncCode), 0);
    EXPECT_EQ(channel.Extra[0] | channel.Extra[1], 0);
    EXPECT_EQ(channel.OptA, 0) << "carrier squelch, busy lock off";
    EXPECT_EQ(channel.OptB, 0x80 | 0x20 | 0x10) << "scan, high power, wide";
    EXPECT_EQ(channel.Name[0], 0xAB);
}

TEST_F(ChannelRules, ARemovedChannelKeepsItsBytes)
{
    EnterReceiveFrequency(settings, 2, "438.5", band);
    EnterReceiveFrequency(settings, 2, "", band);
    EXPECT_FALSE(settings.IsChannelUsed(2));
    EXPECT_EQ(uint32_t(settings.Channel[2].RxFreq), 438500000u);
}

TEST_F(ChannelRules, AFrequencyThatIsNoNumberMakesNoChannel)
{
    EXPECT_EQ(EnterReceiveFrequency(settings, 4, "43x.5", band).outcome, EntryOutcome::Refused);
    EXPECT_FALSE(settings.IsChannelUsed(4));
    const Entered<uint32_t> clamped = EnterReceiveFrequency(settings, 4, "520", band);
    EXPECT_EQ(clamped.outcome, EntryOutcome::ClampedToBand);
    EXPECT_EQ(clamped.stored, "470.00000");
    EXPECT_TRUE(settings.IsChannelUsed(4));
    EXPECT_EQ(EnterDecodeTone(settings.Channel[4], "D028N").outcome, EntryOutcome::Refused);
    EXPECT_EQ(settings.Channel[4].ChSquelchMode(), SquelchCarrier);
}

TEST_F(ChannelRules, SquelchModeFollowsTheDecodeTone)
{
    const struct {
        uint8_t mode;
        bool dtmf;
        const char* from;
        const char* to;
        uint8_t after;
    } cases[] = {
        {SquelchCarrier, false, "Off", "67.0", SquelchTone},
        {SquelchDtmf, false, "Off", "D023N", SquelchDtmf},
        {SquelchTone, false, "67.0", "Off", SquelchCarrier},
        {SquelchDtmfAndTone, true, "67.0", "Off", SquelchDtmf},
        {SquelchDtmfOrTone, true, "D023I", "Off", SquelchDtmf},
        {SquelchDtmfOrTone, false, "67.0", "Off", SquelchCarrier},
        {SquelchDtmf, true, "67.0", "Off", SquelchCarrier},
        {SquelchCarrier, false, "67.0", "88.5", SquelchCarrier},
        {SquelchTone, false, "67.0", "D028N", SquelchTone},
    };
    for (const auto& c : cases) {
        ChannelRecord channel{};
        EnterDecodeTone(channel, c.from);
        channel.SetChSquelchMode(c.mode);
        channel.SetDtmf(c.dtmf);
        channel.SetBusyLock(BusyCarrier);
        EnterDecodeTone(channel, c.to);
        EXPECT_EQ(channel.ChSquelchMode(), c.after) << c.from << " -> " << c.to << " from mode " << int(c.mode);
        EXPECT_EQ(channel.BusyLock(), BusyCarrier) << "other bits are kept";
    }
}

TEST_F(ChannelRules, PowerAndBusyLockStepThroughTheirCycles)
{
    const struct {
        void (*step)(ChannelRecord&);
        uint8_t (ChannelRecord::*get)() const;
        void (ChannelRecord::*set)(uint8_t);
        uint8_t from;
        uint8_t to;
    } cases[] = {
        {StepPower, &ChannelRecord::Power, &ChannelRecord::SetPower, PowerHigh, PowerLow},
        {StepPower, &ChannelRecord::Power, &ChannelRecord::SetPower, PowerLow, PowerMid},
        {StepPower, &ChannelRecord::Power, &ChannelRecord::SetPower, PowerMid, PowerHigh},
        {StepPower, &ChannelRecord::Power, &ChannelRecord::SetPower, PowerMidAlternative, PowerMid},
        {StepBusyLock, &ChannelRecord::BusyLock, &ChannelRecord::SetBusyLock, BusyOff, BusyCarrier},
        {StepBusyLock, &ChannelRecord::BusyLock, &ChannelRecord::SetBusyLock, BusyCarrier, BusyTone},
        {StepBusyLock, &ChannelRecord::BusyLock, &ChannelRecord::SetBusyLock, BusyTone, BusyOff},
        {StepBusyLock, &ChannelRecord::BusyLock, &ChannelRecord::SetBusyLock, BusyUndefined, BusyOff},
    };
    for (const auto& c : cases) {
        ChannelRecord channel{};
        channel.OptA = 0xE7;
        channel.OptB = 0x9F;
        (channel.*c.set)(c.from);
        c.step(channel);
        EXPECT_EQ((channel.*c.get)(), c.to) << int(c.from);
        EXPECT_EQ(channel.OptA & 0xE7, 0xE7) << "other bits of byte 63 are kept";
        EXPECT_EQ(channel.OptB & 0x9F, 0x9F) << "other bits of byte 64 are kept";
    }
}

ChannelBatch Batch(unsigned first, unsigned last, uint32_t rx, uint32_t step)
{
    ChannelBatch batch;
    batch.first = first;
    batch.last = last;
    batch.rxStart = batch.txStart = rx;
    batch.step = step;
    batch.power = PowerHigh;
    batch.wide = true;
    batch.scanAdd = true;
    batch.decType = ToneDcsNormal;
    batch.decCode = 0x2813;
    return batch;
}

TEST_F(ChannelRules, ABatchFillsItsChannelsWithGrowingFrequencies)
{
    std::memcpy(settings.Channel[2].Name, "ABC", 3);
    settings.Channel[2].OptA = 0x07;
    ASSERT_TRUE(ApplyChannelBatch(settings, Batch(1, 16, 430000000, 12500), band));
    EXPECT_EQ(uint32_t(settings.Channel[1].RxFreq), 430000000u);
    EXPECT_EQ(uint32_t(settings.Channel[2].TxFreq), 430012500u);
    EXPECT_EQ(uint32_t(settings.Channel[16].RxFreq), 430187500u);
    EXPECT_EQ(settings.Channel[2].Name[0], 'A');
    EXPECT_EQ(settings.Channel[2].ChSquelchMode(), 0);
    EXPECT_EQ(uint16_t(settings.Channel[5].DecCode), 0x2813);
    for (unsigned i = 1; i <= 16; ++i)
        EXPECT_TRUE(settings.IsChannelUsed(i)) << i;
}

TEST_F(ChannelRules, ABatchStopsClimbingAtTheTopOfTheBand)
{
    ASSERT_TRUE(ApplyChannelBatch(settings, Batch(1, 16, 465000000, 1000000), band));
    EXPECT_EQ(uint32_t(settings.Channel[5].RxFreq), 469000000u);
    for (unsigned i = 6; i <= 16; ++i)
        EXPECT_EQ(uint32_t(settings.Channel[i].RxFreq), 470000000u) << i;
}

TEST_F(ChannelRules, ABatchEndingBeforeItStartsChangesNothing)
{
    const RadioSettings before = settings;
    EXPECT_FALSE(ApplyChannelBatch(settings, Batch(5, 3, 430000000, 0), band));
    EXPECT_EQ(std::memcmp(&before, &settings, sizeof settings), 0);
}

}
