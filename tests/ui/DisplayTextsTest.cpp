#include <gtest/gtest.h>

#include "lang/DeviceInfoText.h"
#include "files/BandChoice.h"

namespace {

TEST(LastWriteText, PlainNumbersWithoutLeadingZeros)
{
    const struct {
        uint16_t year;
        uint8_t month, day, hour, minute;
        const char* text;
    } cases[] = {
        {2024, 5, 6, 9, 7, "2024-5-6  9:7"},
        {2025, 12, 31, 23, 59, "2025-12-31  23:59"},
        {0, 0, 0, 0, 0, "0-0-0  0:0"},
    };
    for (const auto& c : cases) {
        RadioSettings settings{};
        settings.LastWriteYear = c.year;
        settings.LastWriteMonth = c.month;
        settings.LastWriteDay = c.day;
        settings.LastWriteHour = c.hour;
        settings.LastWriteMinute = c.minute;
        EXPECT_EQ(LastWriteText(settings), c.text);
    }
}

TEST(FieldText, StopsAtTheFirstZeroOrTheFieldsEnd)
{
    const uint8_t terminated[6] = {'V', '1', '.', '0', 0, 'x'};
    const uint8_t full[8] = {'1', '2', '3', '4', '5', '6', '7', '8'};
    const uint8_t empty[4] = {};
    EXPECT_EQ(FieldText(terminated, sizeof terminated), "V1.0");
    EXPECT_EQ(FieldText(full, sizeof full), "12345678");
    EXPECT_EQ(FieldText(empty, sizeof empty), "");
}

TEST(BandRangeText, WholeMegahertzWithTheRemainderDropped)
{
    EXPECT_EQ(BandRangeText({136000000, 174000000}), "136 - 174MHz");
    EXPECT_EQ(BandRangeText({144999999, 146500000}), "144 - 146MHz");
}

TEST(MatchingBandIndex, FirstBandWithBothLimitsEqual)
{
    const auto bands = AppSettings::DefaultBands();
    EXPECT_EQ(MatchingBandIndex(bands, {400000000, 470000000}), 1);
    EXPECT_EQ(MatchingBandIndex(bands, {400000000, 480000000}), 3);
    EXPECT_EQ(MatchingBandIndex(bands, {400000000, 475000000}), std::nullopt);

    auto twice = bands;
    twice[5] = twice[2];
    EXPECT_EQ(MatchingBandIndex(twice, bands[2]), 2);
}

TEST(SelectedBandLimits, OutsideTheTableMeansTheFirstBand)
{
    AppSettings settings;
    for (int selection : {-1, 6, 9}) {
        settings.BandSelete = selection;
        EXPECT_EQ(SelectedBandLimits(settings), settings.Bands[0]) << selection;
    }
    settings.BandSelete = 4;
    EXPECT_EQ(SelectedBandLimits(settings), settings.Bands[4]);
}

}
