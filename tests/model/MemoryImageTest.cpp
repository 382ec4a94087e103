#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "model/Frequency.h"
#include "model/MemoryImage.h"
#include "model/Tone.h"

namespace {

const DateTimeStamp PackTime{2024, 5, 6, 9, 7};

RadioSettings RandomRecord(std::mt19937& rng)
{
    RadioSettings s;
    std::uniform_int_distribution<int> byte(0, 255);
    for (size_t i = 0; i < sizeof s; ++i)
        s.BlockBytes()[i] = uint8_t(byte(rng));
    // Frequencies round-trip through BCD only when they are whole tens of hertz up to 999999990,
    // and tones only in the forms the editors store.
    for (unsigned i = 1; i <= ChannelCount; ++i) {
        auto& ch = s.Channel[i];
        ch.RxFreq = uint32_t(rng() % 100000000) * 10;
        ch.TxFreq = uint32_t(rng() % 100000000) * 10;
        const ToneType types[] = {ToneCtcss, ToneDcsNormal, ToneDcsInverted};
        ch.DecType = types[rng() % 3];
        ch.DecCode = ch.DecType == ToneCtcss ? ToneCode(600 + rng() % 2001) : ToneCode(DcsCodeBase + rng() % 512);
        ch.EncType = types[rng() % 3];
        ch.EncCode = ch.EncType == ToneCtcss ? ToneCode(600 + rng() % 2001) : ToneCode(DcsCodeBase + rng() % 512);
    }
    return s;
}

// Packing is a function of exactly the fields the radio keeps, so a record that packs to the
// same image holds the same values in all of them.
void ExpectPacksTheSame(RadioSettings a, RadioSettings b, const BandLimits& band)
{
    MemoryImage x, y;
    GetDataForWrite(a, band, PackTime, x);
    GetDataForWrite(b, band, PackTime, y);
    for (size_t i = 0; i < ImageWriteEnd; ++i)
        ASSERT_EQ(x[i], y[i]) << "image offset " << i;
}

// Where each setting the radio keeps lies in the record and in the radio's memory, taken from the
// two documented layouts rather than from the packing code. A 16-bit number is little-endian in
// the record and big-endian in the image; runs of adjacent byte fields are listed as one.
struct Placement {
    const char* fields;
    size_t block;
    size_t image;
    size_t size;
    bool word;
};

constexpr Placement Placements[] = {
    {"ChannelUsed", 3096, 0x000, 32, false},
    {"Tot", 2950, 0x136, 2, true},
    {"Scan", 2957, 0x138, 1, false},
    {"PriScan", 2958, 0x139, 2, true},
    {"Beep", 2963, 0x13B, 1, false},
    {"Saving", 2965, 0x13C, 1, false},
    {"Sql", 2929, 0x13D, 1, false},
    {"VoxCtrl", 2945, 0x13E, 1, false},
    {"Vox", 2946, 0x13F, 1, false},
    {"VoxDelay", 2948, 0x140, 2, true},
    {"SquelchMode", 2930, 0x142, 1, false},
    {"ChannelReport", 2969, 0x143, 1, false},
    {"AutoConnect AutoConnectPos", 3073, 0x144, 2, false},
    {"SubaudioTail", 2938, 0x146, 1, false},
    {"Voice", 2920, 0x147, 1, false},
    {"AlarmMode RefuseAlarm", 3071, 0x148, 2, false},
    {"Key1Short Key1Long Key2Short Key2Long", 3079, 0x14A, 4, false},
    {"PowerOnBeep", 3078, 0x14E, 1, false},
    {"Tone1750Ctrl Tone1750", 2974, 0x14F, 2, false},
    {"Whisper", 3062, 0x151, 1, false},
    {"MasterTxPeriod SlaveTimeout SlaveAlarmPeriod", 3075, 0x152, 3, false},
    {"DtmfSideTone", 2984, 0x170, 1, false},
    {"DtmfDigitSpeed DtmfPauseDuration", 2986, 0x171, 2, false},
    {"DtmfFirstDelay", 2988, 0x173, 2, true},
    {"DtmfPretime", 2990, 0x175, 2, true},
    {"DtmfStarHashDelay", 2992, 0x177, 2, true},
    {"DtmfEncodeMode", 2983, 0x179, 1, false},
    {"AddrBookUsed", 144, 0x17A, 3, false},
    {"GroupCode AutoReset SendAni", 2994, 0x2C1, 3, false},
    {"StunKillState", 3032, 0x2C4, 1, false},
    {"RemoteStunCode RemoteStunCodeLength", 2998, 0x2C5, 11, false},
    {"RemoteKillCode RemoteKillCodeLength", 3009, 0x2D0, 11, false},
    {"ActivationCode ActivationCodeLength", 3020, 0x2DB, 11, false},
    {"PttId PttIdLength", 3033, 0x2E6, 11, false},
    {"Ani AniLength", 3044, 0x2F1, 11, false},
};

// Byte j of a placement in the image comes from this byte of the record.
size_t BlockByteOf(const Placement& p, size_t j) { return p.block + (p.word ? p.size - 1 - j : j); }

TEST(MemoryImage, EverySettingIsPackedAtItsDocumentedOffset)
{
    std::mt19937 rng(3);
    RadioSettings s = RandomRecord(rng);
    const RadioSettings before = s;
    MemoryImage image;
    GetDataForWrite(s, BandLimits{}, PackTime, image);

    for (const Placement& p : Placements)
        for (size_t j = 0; j < p.size; ++j)
            EXPECT_EQ(image[p.image + j], before.BlockBytes()[BlockByteOf(p, j)]) << p.fields << " byte " << j;
    for (unsigned k = 1; k <= AddrBookEntryCount; ++k) {
        const uint8_t* entry = before.BlockBytes() + 861 + 19 * (k - 1);
        EXPECT_TRUE(std::equal(entry + 1, entry + 19, &image[0x17D + 19 * k + 1])) << "address-book entry " << k;
    }
}

TEST(MemoryImage, EverySettingIsUnpackedFromItsDocumentedOffset)
{
    std::mt19937 rng(4);
    MemoryImage image;
    for (auto& b : image)
        b = uint8_t(rng());
    RadioSettings s = RandomRecord(rng);
    const RadioSettings before = s;
    BandLimits band;
    SetDataToSoftware(image, s, band);

    for (const Placement& p : Placements)
        for (size_t j = 0; j < p.size; ++j)
            EXPECT_EQ(s.BlockBytes()[BlockByteOf(p, j)], image[p.image + j]) << p.fields << " byte " << j;
    for (unsigned k = 1; k <= AddrBookEntryCount; ++k)
        EXPECT_TRUE(std::equal(&image[0x17D + 19 * k], &image[0x17D + 19 * k + 19], s.BlockBytes() + 861 + 19 * (k - 1)))
            << "address-book entry " << k;

    const struct {
        const char* field;
        size_t offset;
        size_t size;
    } keptFields[] = {{"Password NewPassword", 97, 34}, {"Apo", 2966, 2},        {"DtmfId DtmfGroup", 2980, 3},
                      {"DtmfControl", 2985, 1},          {"Limited", 3031, 1},   {"WriteRadioInfo", 0, 44}};
    for (const auto& f : keptFields)
        EXPECT_TRUE(std::equal(s.BlockBytes() + f.offset, s.BlockBytes() + f.offset + f.size,
                               before.BlockBytes() + f.offset))
            << f.field << " is not in the image and keeps its value";
}

TEST(MemoryImage, AReadMakesTheRadiosBandTheOneFrequenciesAreClampedTo)
{
    MemoryImage image{};
    PutBe32(&image[0x155], 136000000);
    PutBe32(&image[0x159], 174000000);
    RadioSettings s;
    s.ResetToDefaults();

    BandLimits band;
    SetDataToSoftware(image, s, band);

    EXPECT_EQ(SnapFrequencyInBand(438500000, band), 174000000u);
    EXPECT_EQ(SnapFrequencyInBand(100000000, band), 136000000u);
    EXPECT_EQ(uint32_t(s.ReadRadioInfo.BandMin), 136000000u);
    EXPECT_EQ(uint32_t(s.ReadRadioInfo.BandMax), 174000000u);
}

TEST(MemoryImage, AModelWithoutChannelsPacksZeroChannelBlocks)
{
    RadioSettings s;
    s.ResetToDefaults();
    MemoryImage image;
    image.fill(0xEE);
    GetDataForWrite(s, BandLimits{}, PackTime, image);
    for (size_t i = 0; i < 0x130; ++i)
        EXPECT_EQ(image[i], 0) << i;
    EXPECT_EQ(image[0x130], 0x07);
    EXPECT_EQ(image[0x131], 0xE8);
    EXPECT_EQ(image[0x132], 5);
    EXPECT_EQ(image[0x135], 7);
    EXPECT_EQ(image[0x136], 0);
    EXPECT_EQ(image[0x137], 180);
    EXPECT_EQ(image[0x13D], 5);
    for (size_t i = 0x2FC; i < MemoryImageSize; ++i)
        ASSERT_EQ(image[i], 0) << i;
}

TEST(MemoryImage, PacksChannelsBandAndEntryNumbersAtTheirOffsets)
{
    RadioSettings s;
    s.ResetToDefaults();
    s.SetChannelUsed(1, true);
    s.Channel[1].RxFreq = 438500000;
    s.Channel[1].TxFreq = 438506250;
    s.Channel[1].DecType = ToneDcsInverted;
    s.Channel[1].DecCode = 0x2813;
    s.Channel[1].EncType = ToneCtcss;
    s.Channel[1].EncCode = 670;
    s.Channel[1].OptA = 0x12;
    s.Channel[1].OptB = 0xB0;
    s.Channel[1].Extra[0] = 0xAB;
    s.Channel[2].RxFreq = 145000000;
    s.Entry(3).EntryNumber = 9;
    MemoryImage image;
    GetDataForWrite(s, BandLimits{136000000, 174000000}, PackTime, image);

    const std::vector<uint8_t> channel1(image.begin() + 0x30, image.begin() + 0x40);
    EXPECT_EQ(channel1, (std::vector<uint8_t>{0x00, 0x00, 0x85, 0x43, 0x25, 0x06, 0x85, 0x43, 0x13, 0xA8, 0x9E, 0x02,
                                              0x12, 0xB0, 0xAB, 0x00}));
    for (size_t i = 0x40; i < 0x50; ++i)
        EXPECT_EQ(image[i], 0) << "unused channel 2 stays zero";
    EXPECT_EQ(image[0x155], 0x08);
    EXPECT_EQ(image[0x156], 0x1B);
    EXPECT_EQ(image[0x157], 0x32);
    EXPECT_EQ(image[0x158], 0x00);
    EXPECT_EQ(uint32_t(s.WriteRadioInfo.BandMin), 136000000u);
    EXPECT_EQ(uint32_t(s.WriteRadioInfo.BandMax), 174000000u);
    for (unsigned k = 1; k <= AddrBookEntryCount; ++k) {
        EXPECT_EQ(image[0x17D + 19 * k], k);
        EXPECT_EQ(s.Entry(k).EntryNumber, k);
    }
    EXPECT_EQ(uint16_t(s.LastWriteYear), 0) << "packing does not change the model's own stamp";
}

TEST(MemoryImage, UnpackingRestoresEveryPackedField)
{
    std::mt19937 rng(27);
    for (int round = 0; round < 200; ++round) {
        RadioSettings original = RandomRecord(rng);
        const BandLimits band{uint32_t(rng()), uint32_t(rng())};
        MemoryImage image;
        GetDataForWrite(original, band, PackTime, image);

        RadioSettings restored = RandomRecord(rng);
        BandLimits readBand;
        SetDataToSoftware(image, restored, readBand);
        ExpectPacksTheSame(original, restored, band);
        EXPECT_EQ(readBand, band);
        EXPECT_EQ(uint32_t(restored.ReadRadioInfo.BandMin), band.BandMin);
        EXPECT_EQ(uint16_t(restored.LastWriteYear), PackTime.Year);
        EXPECT_EQ(restored.LastWriteMonth, PackTime.Month);
        EXPECT_EQ(restored.LastWriteDay, PackTime.Day);
        EXPECT_EQ(restored.LastWriteHour, PackTime.Hour);
        EXPECT_EQ(restored.LastWriteMinute, PackTime.Minute);
        if (HasFailure())
            return;
    }
}

TEST(MemoryImage, UnpackingReadsTheRadioOnlyFields)
{
    MemoryImage image{};
    image[0] = 0x02;
    image[0x38] = 0xFF;
    image[0x39] = 0xFF;
    std::memcpy(&image[0x30C], "00012345", 8);
    std::memcpy(&image[0x314], "V1.02.03-ABC", 12);
    RadioSettings s;
    s.ResetToDefaults();
    s.Channel[1].DecType = ToneCtcss;
    s.Channel[1].DecCode = 885;
    std::memset(s.SoftwareVersion, 'x', sizeof s.SoftwareVersion);
    s.Channel[2].RxFreq = 145000000;
    s.DtmfId = 77;

    BandLimits band;
    SetDataToSoftware(image, s, band);
    EXPECT_EQ(s.Channel[1].DecType, ToneNone);
    EXPECT_EQ(uint16_t(s.Channel[1].DecCode), 0);
    EXPECT_EQ(uint32_t(s.Channel[2].RxFreq), 145000000u) << "unused channels keep their record";
    EXPECT_EQ(std::string(reinterpret_cast<char*>(s.DeviceSn), 8), "00012345");
    EXPECT_STREQ(reinterpret_cast<char*>(s.SoftwareVersion), "V1.02.03-ABC");
    EXPECT_EQ(uint16_t(s.DtmfId), 77) << "fields outside the image keep their model values";
}

}
