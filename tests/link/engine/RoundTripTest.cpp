#include <gtest/gtest.h>

#include <random>

#include "SimulatedDriver.h"
#include "model/Tone.h"

namespace {

// Any bytes, except where the image keeps less than the record: whole tens of hertz in BCD, and
// tones in the forms the editors store.
RadioSettings RandomRecord(std::mt19937& rng)
{
    RadioSettings s;
    for (size_t i = 0; i < sizeof s; ++i)
        s.BlockBytes()[i] = uint8_t(rng());
    const ToneType types[] = {ToneCtcss, ToneDcsNormal, ToneDcsInverted};
    const auto randomCode = [&rng](ToneType type) {
        return type == ToneCtcss ? ToneCode(600 + rng() % 2001) : ToneCode(DcsCodeBase + rng() % 512);
    };
    for (unsigned i = 1; i <= ChannelCount; ++i) {
        ChannelRecord& ch = s.Channel[i];
        ch.RxFreq = uint32_t(rng() % 100000000) * 10;
        ch.TxFreq = uint32_t(rng() % 100000000) * 10;
        ch.DecType = types[rng() % 3];
        ch.DecCode = randomCode(ToneType(ch.DecType));
        ch.EncType = types[rng() % 3];
        ch.EncCode = randomCode(ToneType(ch.EncType));
    }
    return s;
}

MemoryImage Packed(RadioSettings s, const BandLimits& band)
{
    MemoryImage image;
    GetDataForWrite(s, band, TransferFixture::PackTime, image);
    return image;
}

Bytes WrittenRange(const MemoryImage& image) { return Bytes(image.begin(), image.begin() + 0x300); }

TEST(RoundTrip, RecordWrittenToARadioReadsBackIntoAFreshRecord)
{
    std::mt19937 rng(2027);
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        SimulatedRadio radio;  // reports no password: any record's password is admitted
        TransferFixture writer;
        writer.settings = RandomRecord(rng);
        writer.band = {uint32_t(rng()), uint32_t(rng())};
        const RadioSettings original = writer.settings;
        SimulatedDriver write(writer.Context(TransferKind::Normal, false), {&radio});
        ASSERT_EQ(write.Run(false), LinkOutcome::Success);
        ASSERT_EQ(radio.MemoryRange(0x4000, 0x300), WrittenRange(Packed(original, writer.band)));

        TransferFixture reader;
        SimulatedDriver read(reader.Context(TransferKind::Normal, true), {&radio});
        ASSERT_EQ(read.Run(false), LinkOutcome::Success);
        read.engine.ApplyResult();

        EXPECT_EQ(WrittenRange(Packed(reader.settings, writer.band)), WrittenRange(Packed(original, writer.band)));
        EXPECT_EQ(reader.band, writer.band);
        EXPECT_EQ(uint16_t(reader.settings.LastWriteYear), TransferFixture::PackTime.Year);
        EXPECT_EQ(reader.settings.LastWriteMinute, TransferFixture::PackTime.Minute);
    }
}

// The fast link only changes when frames go: the same write leaves the same memory, and reading
// it back gives the same record.
TEST(RoundTrip, FastLinkMovesTheSameBytesAsTheDefaultOne)
{
    std::mt19937 rng(2028);
    const RadioSettings record = RandomRecord(rng);
    SimulatedRadio radios[2];
    RadioSettings readBack[2];
    for (int fast = 0; fast < 2; ++fast) {
        TransferFixture writer;
        writer.settings = record;
        writer.link.FastLink = fast;
        SimulatedDriver write(writer.Context(TransferKind::Normal, false), {&radios[fast]});
        ASSERT_EQ(write.Run(false), LinkOutcome::Success);

        TransferFixture reader;
        reader.link.FastLink = fast;
        SimulatedDriver read(reader.Context(TransferKind::Normal, true), {&radios[fast]});
        ASSERT_EQ(read.Run(false), LinkOutcome::Success);
        read.engine.ApplyResult();
        readBack[fast] = reader.settings;
        if (fast) {
            EXPECT_LT(read.endedAtMs, HandshakeTickMs) << "the handshake no longer waits for its ticks";
        }
    }
    EXPECT_EQ(radios[1].MemoryRange(0x4000, 0x320), radios[0].MemoryRange(0x4000, 0x320));
    EXPECT_TRUE(SameBytes(readBack[1], readBack[0]));
}

}  // namespace
