#include <gtest/gtest.h>

#include <map>
#include <set>

#include "calibration/AdjustmentFields.h"
#include "calibration/DigitEntry.h"

namespace {

const AdjustmentField& Field(const std::string& editName)
{
    for (const auto& field : AdjustmentFields())
        if (field.EditName == editName)
            return field;
    throw std::out_of_range(editName);
}

TEST(AdjustmentFields, EveryByteOfTheRecordButTheReservedOnesHasOneBox)
{
    std::set<size_t> covered;
    std::set<std::string> names;
    std::map<AdjustmentFamily, int> perFamily;
    for (const auto& field : AdjustmentFields()) {
        const size_t width = field.Family == AdjustmentFamily::Frequency ? 4 : 1;
        for (size_t i = 0; i < width; ++i)
            EXPECT_TRUE(covered.insert(field.Offset + i).second) << field.EditName;
        EXPECT_TRUE(names.insert(field.EditName).second) << field.EditName;
        ++perFamily[field.Family];
    }
    EXPECT_EQ(covered.size(), AdjustmentDataSize - 2);
    EXPECT_EQ(*covered.rbegin(), offsetof(AdjustmentData, Xtal_PP));
    EXPECT_EQ(perFamily[AdjustmentFamily::Frequency], 5);
    EXPECT_EQ(perFamily[AdjustmentFamily::Deviation], 6);
    EXPECT_EQ(perFamily[AdjustmentFamily::ToneDeviation], 4);
    EXPECT_EQ(perFamily[AdjustmentFamily::Byte], 36);
}

TEST(AdjustmentFields, BoxesCommitToTheirNamedFields)
{
    const struct {
        const char* edit;
        const char* field;
        size_t offset;
    } cases[] = {
        {"eFreq_3", "Point[3].Freq", 24},      {"eFreq_2_M", "Point[2].ApcMid", 21},
        {"eFreq_4_Tune", "Point[4].Tune", 39}, {"e1750FuDu_W", "FuDu1750_W", 44},
        {"eDcsPinPian_N", "DcsPinPian_N", 53}, {"eBatt_L2_Tx", "Batt_L2_Tx", 63},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Field(c.edit).FieldName, c.field);
        EXPECT_EQ(Field(c.edit).Offset, c.offset) << c.edit;
    }
}

// The dialog's tests type the in-range and out-of-range values; here are the texts only a paste
// or a program can produce.
TEST(AdjustmentFields, OnlyPlainDigitRunsAreNumbers)
{
    constexpr uint8_t Old = 9;
    const struct {
        const char* text;
        CommitOutcome outcome;
    } cases[] = {
        {"12a", CommitOutcome::NotANumber},
        {"-1", CommitOutcome::NotANumber},
        {" 1", CommitOutcome::NotANumber},
        {"+1", CommitOutcome::NotANumber},
        {"99999999999999", CommitOutcome::OutOfRange},
    };
    const AdjustmentField& field = Field("eSQL_L9");
    for (const auto& c : cases) {
        AdjustmentData record{};
        record.SQL_L9 = Old;
        EXPECT_EQ(CommitFieldText(field, c.text, BandLimits{}, record), c.outcome) << c.text;
        EXPECT_EQ(record.SQL_L9, Old) << c.text;
    }
}

TEST(AdjustmentFields, FrequenciesAreTruncatedToHertzThenClampedAndSnapped)
{
    const BandLimits vhf{136000000, 174000000};
    const struct {
        const char* text;
        BandLimits band;
        uint32_t expected;
    } cases[] = {
        {"435.0031", BandLimits{}, 435000000},
        {"435.00624999", BandLimits{}, 435000000},
        {"", vhf, 136000000},
        {"145.0125", vhf, 145012500},
    };
    const AdjustmentField& field = Field("eFreq_2");
    for (const auto& c : cases) {
        AdjustmentData record{};
        EXPECT_EQ(CommitFieldText(field, c.text, c.band, record), CommitOutcome::Stored) << c.text;
        EXPECT_EQ(record.Point[2].Freq, c.expected) << c.text;
    }
}

TEST(AdjustmentFields, AFrequencyThatIsNotANumberKeepsTheOldValue)
{
    AdjustmentData record{};
    record.Point[0].Freq = 438500000;
    EXPECT_EQ(CommitFieldText(Field("eFreq_0"), "43x.5", BandLimits{}, record), CommitOutcome::NotANumber);
    EXPECT_EQ(record.Point[0].Freq, 438500000u);
}

TEST(AdjustmentFields, ValuesOutsideTheRangesAreShownAsTheyAre)
{
    AdjustmentData record;
    for (size_t i = 0; i < AdjustmentDataSize; ++i)
        record.Bytes()[i] = 0xFF;
    for (const auto& field : AdjustmentFields())
        EXPECT_EQ(FieldText(field, record), field.Family == AdjustmentFamily::Frequency ? "294.96729" : "255")
            << field.EditName;
    EXPECT_EQ(FieldText(Field("eFreq_0"), AdjustmentData{}), "0");
}

// What a box keeps after an edit, typed or pasted: characters are counted, not bytes.
TEST(AdjustmentFields, BoxesKeepTheirLongestTextAndOnePoint)
{
    const struct {
        const char* edit;
        const char* text;
        const char* kept;
    } cases[] = {
        {"eFreq_2", "435.1.25", "435.125"}, {"eFreq_2", ".", ""},          {"eFreq_2", "1234.567891", "1234.5678"},
        {"eSQL_L1", "2555", "255"},        {"eCtcPinPian_W", "634", "63"}, {"eXtal_PP", "1中23", "1中2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CorrectedFieldText(Field(c.edit), c.text), c.kept) << c.edit << " " << c.text;
}

TEST(DigitEntry, DropsPrintableAsciiOtherThanDigits)
{
    const struct {
        char32_t code;
        bool takesPoint;
        bool dropped;
    } cases[] = {
        {'0', false, false}, {'9', false, false}, {'.', false, true},  {'.', true, false},
        {'a', true, true},   {' ', false, true},  {'/', false, true},  {':', false, true},
        {'~', false, true},  {8, false, false},   {127, false, false}, {U'中', false, false},
        {0xE9, false, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DropsTypedCharacter(c.code, c.takesPoint), c.dropped) << uint32_t(c.code) << " " << c.takesPoint;
}

}
