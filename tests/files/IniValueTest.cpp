#include <gtest/gtest.h>

#include "files/IniValue.h"

namespace {

struct IntegerCase {
    const char* text;
    std::optional<long long> expected;
};

class IniIntegerTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(IniIntegerTest, ReadsOnlyWholeDecimalNumbers)
{
    EXPECT_EQ(ParseIniInteger(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Values, IniIntegerTest,
                         testing::Values(IntegerCase{"0", 0}, IntegerCase{"470000000", 470000000},
                                         IntegerCase{"-3", -3}, IntegerCase{"+7", 7},
                                         IntegerCase{"4294967295", 4294967295LL}, IntegerCase{"", std::nullopt},
                                         IntegerCase{"abc", std::nullopt}, IntegerCase{"12abc", std::nullopt},
                                         IntegerCase{"4e8", std::nullopt}, IntegerCase{"1.5", std::nullopt},
                                         IntegerCase{"0x10", std::nullopt}, IntegerCase{"+", std::nullopt},
                                         IntegerCase{"+-1", std::nullopt},
                                         IntegerCase{"99999999999999999999", std::nullopt}));

struct BoolCase {
    const char* text;
    std::optional<bool> expected;
};

class IniBoolTest : public testing::TestWithParam<BoolCase> {};

TEST_P(IniBoolTest, ReadsNumbersAndTheWordsTrueAndFalse)
{
    EXPECT_EQ(ParseIniBool(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Values, IniBoolTest,
                         testing::Values(BoolCase{"1", true}, BoolCase{"0", false}, BoolCase{"2", true},
                                         BoolCase{"-1", true}, BoolCase{"true", true}, BoolCase{"TRUE", true},
                                         BoolCase{"False", false}, BoolCase{"yes", std::nullopt},
                                         BoolCase{"", std::nullopt}));

TEST(IniValue, BooleansAreWrittenAsOneAndZero)
{
    EXPECT_EQ(FormatIniBool(true), "1");
    EXPECT_EQ(FormatIniBool(false), "0");
}

}  // namespace
