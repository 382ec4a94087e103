#include <gtest/gtest.h>

#include "calibration/SerialNumber.h"

namespace {

std::string Stepped(const std::string& text, SnStep step)
{
    uint8_t sn[DeviceSnSize];
    SetSnText(sn, text);
    StepSn(sn, step);
    return SnText(sn);
}

TEST(SerialNumber, StepsKeepTheLengthAndWrapAround)
{
    const struct {
        const char* before;
        SnStep step;
        const char* after;
    } cases[] = {
        {"00000199", SnStep::Up, "00000200"}, {"99999999", SnStep::Up, "00000000"},
        {"00000000", SnStep::Down, "99999999"}, {"129", SnStep::Up, "130"},
        {"100", SnStep::Down, "099"},          {"9", SnStep::Up, "0"},
        {"", SnStep::Up, ""},                  {"", SnStep::Down, ""},
        {"12345678", SnStep::Down, "12345677"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Stepped(c.before, c.step), c.after) << c.before;
}

TEST(SerialNumber, ShortNumbersAreFollowedByZeroBytes)
{
    uint8_t sn[DeviceSnSize];
    SetSnText(sn, "42");
    const uint8_t expected[DeviceSnSize] = {0x34, 0x32, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(sn, sn + DeviceSnSize, expected));
}

TEST(SerialNumber, EightDigitsFillTheFieldWithoutTerminator)
{
    uint8_t sn[DeviceSnSize];
    SetSnText(sn, "123456789");
    EXPECT_EQ(SnText(sn), "12345678");
    EXPECT_EQ(sn[DeviceSnSize - 1], '8');
}

TEST(SerialNumber, SettingClearsWhatWasThereBefore)
{
    uint8_t sn[DeviceSnSize];
    SetSnText(sn, "87654321");
    SetSnText(sn, "5");
    EXPECT_EQ(SnText(sn), "5");
    EXPECT_TRUE(std::all_of(sn + 1, sn + DeviceSnSize, [](uint8_t b) { return b == 0; }));
}

TEST(SerialNumber, OnlyUpToEightDigitsAreANumber)
{
    EXPECT_EQ(CorrectedSnText("123456789"), "12345678");
    EXPECT_TRUE(IsSnText(""));
    EXPECT_TRUE(IsSnText("00000199"));
    EXPECT_FALSE(IsSnText("123456789"));
    EXPECT_FALSE(IsSnText("12a"));
    EXPECT_FALSE(IsSnText(" 1"));
}

}
