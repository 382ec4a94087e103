#include <gtest/gtest.h>

#include "model/Frequency.h"

namespace {

struct BcdCase {
    uint32_t hz;
    std::array<uint8_t, 4> bytes;
};

TEST(FrequencyBcd, EncodesTensOfHertzLeastSignificantFirst)
{
    const BcdCase cases[] = {
        {438500000, {0x00, 0x00, 0x85, 0x43}},
        {438506250, {0x25, 0x06, 0x85, 0x43}},
        {438506255, {0x25, 0x06, 0x85, 0x43}},
        {145006250, {0x25, 0x06, 0x50, 0x14}},
        {999999990, {0x99, 0x99, 0x99, 0x99}},
        {0, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeFreqBcd(c.hz), c.bytes) << c.hz;
        EXPECT_EQ(DecodeFreqBcd(c.bytes.data()), c.hz / 10 * 10) << c.hz;
    }
}

TEST(FrequencyBcd, RoundTripsOverADenseSample)
{
    for (uint32_t hz = 0; hz <= 999999990u; hz += 12347u) {
        const auto bytes = EncodeFreqBcd(hz);
        for (uint8_t b : bytes)
            ASSERT_TRUE((b >> 4) <= 9 && (b & 0xF) <= 9) << hz;
        ASSERT_EQ(DecodeFreqBcd(bytes.data()), hz / 10 * 10) << hz;
    }
}

TEST(FrequencyText, FormatsNineCharactersOrZero)
{
    EXPECT_EQ(FormatFrequency(0), "0");
    EXPECT_EQ(FormatFrequency(438500000), "438.50000");
    EXPECT_EQ(FormatFrequency(50000000), "050.00000");
    EXPECT_EQ(FormatFrequency(12500), "000.01250");
    EXPECT_EQ(FormatFrequency(438506259), "438.50625");
    EXPECT_EQ(FormatFrequency(4294967295u), "294.96729");
}

TEST(FrequencySnap, ClampsToTheBandThenSnapsToTheRaster)
{
    const BandLimits startup;
    const BandLimits vhf{136000000, 174000000};
    const struct {
        uint32_t in;
        BandLimits band;
        uint32_t out;
    } cases[] = {
        {438507000, startup, 438506250}, {438506250, startup, 438506250}, {438500000, startup, 438500000},
        {400003000, startup, 400000000}, {0, startup, 400000000},         {999000000, startup, 470000000},
        {145007500, vhf, 145006250},     {145010000, vhf, 145010000},     {145012500, vhf, 145012500},
        {100000000, vhf, 136000000},     {999000000, vhf, 174000000},     {0, vhf, 136000000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SnapFrequencyInBand(c.in, c.band), c.out) << c.in;
}

TEST(FrequencySnap, StepValuesKeepTheRasterBelowTenMegahertz)
{
    EXPECT_EQ(SnapFrequency(10000000), 0u);
    EXPECT_EQ(SnapFrequency(12000000), 0u);
    EXPECT_EQ(SnapFrequency(12500), 12500u);
    EXPECT_EQ(SnapFrequency(7000), 6250u);
    EXPECT_EQ(SnapFrequency(5000), 5000u);
}

TEST(FrequencyParse, ScalesDecimalDigitsExactly)
{
    const struct {
        const char* text;
        std::optional<uint32_t> hz;
    } cases[] = {
        {"", 0u},
        {"145.0075", 145007500u},
        {"145.5", 145500000u},
        {"430.0125", 430012500u},
        {"435.03125", 435031250u},
        {"0.0125", 12500u},
        {"0.007", 7000u},
        {"145.12345678", 145123456u},
        {"145.", 145000000u},
        {".5", 500000u},
        {"438.500009", 438500009u},
        {"999999999", 4294967295u},
        {".", std::nullopt},
        {"12a", std::nullopt},
        {"1.2.3", std::nullopt},
        {"-5", std::nullopt},
        {" 5", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseMegahertz(c.text), c.hz) << c.text;
}

}
