#include <gtest/gtest.h>

#include <map>
#include <set>

#include "factory/AdjustmentFields.h"
#include "factory/DigitEntry.h"

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

struct CommitCase {
    const char* edit;
    const char* text;
    uint32_t expected;
    CommitOutcome outcome;
};

uint32_t ValueOf(const AdjustmentField& field, const AdjustmentData& record)
{
    if (field.Family == AdjustmentFamily::Frequency)
        return GetLe32(record.Bytes() + field.Offset);
    return record.Bytes()[field.Offset];
}

TEST(AdjustmentFields, CommitAcceptsTheFamilyRangeAndKeepsTheOldValueOtherwise)
{
    constexpr uint32_t Old = 9;
    const CommitCase cases[] = {
        {"eXtal_PP", "255", 255, CommitOutcome::Stored},
        {"eXtal_PP", "256", Old, CommitOutcome::OutOfRange},
        {"eXtal_PP", "007", 7, CommitOutcome::Stored},
        {"eXtal_PP", "", 0, CommitOutcome::Stored},
        {"eFreq_1_L", "300", Old, CommitOutcome::OutOfRange},
        {"ePinPian_N", "127", 127, CommitOutcome::Stored},
        {"ePinPian_N", "128", Old, CommitOutcome::OutOfRange},
        {"eCtcPinPian_W", "63", 63, CommitOutcome::Stored},
        {"eCtcPinPian_W", "64", Old, CommitOutcome::OutOfRange},
        {"eSQL_L9", "12a", Old, CommitOutcome::NotANumber},
        {"eSQL_L9", "-1", Old, CommitOutcome::NotANumber},
        {"eSQL_L9", " 1", Old, CommitOutcome::NotANumber},
        {"eSQL_L9", "99999999999999", Old, CommitOutcome::OutOfRange},
    };
    for (const auto& c : cases) {
        const AdjustmentField& field = Field(c.edit);
        AdjustmentData record{};
        record.Bytes()[field.Offset] = Old;
        EXPECT_EQ(CommitFieldText(field, c.text, BandLimits{}, record), c.outcome) << c.edit << " " << c.text;
        EXPECT_EQ(ValueOf(field, record), c.expected) << c.edit << " " << c.text;
    }
}

TEST(AdjustmentFields, FrequenciesAreClampedToTheBandAndSnappedToTheRaster)
{
    const BandLimits vhf{136000000, 174000000};
    const struct {
        const char* text;
        BandLimits band;
        uint32_t expected;
        const char* shown;
    } cases[] = {
        {"435.125", BandLimits{}, 435125000, "435.12500"},
        {"435.03125", BandLimits{}, 435031250, "435.03125"},
        {"435.0031", BandLimits{}, 435000000, "435.00000"},
        {"300", BandLimits{}, 400000000, "400.00000"},
        {"500", BandLimits{}, 470000000, "470.00000"},
        {"", BandLimits{}, 400000000, "400.00000"},
        {"", vhf, 136000000, "136.00000"},
        {"145.0125", vhf, 145012500, "145.01250"},
    };
    const AdjustmentField& field = Field("eFreq_2");
    for (const auto& c : cases) {
        AdjustmentData record{};
        EXPECT_EQ(CommitFieldText(field, c.text, c.band, record), CommitOutcome::Stored) << c.text;
        EXPECT_EQ(record.Point[2].Freq, c.expected) << c.text;
        EXPECT_EQ(FieldText(field, record), c.shown) << c.text;
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

TEST(AdjustmentFields, LongestTextPerFamily)
{
    EXPECT_EQ(LongestText(AdjustmentFamily::Frequency), 9u);
    EXPECT_EQ(LongestText(AdjustmentFamily::Deviation), 3u);
    EXPECT_EQ(LongestText(AdjustmentFamily::ToneDeviation), 2u);
    EXPECT_EQ(LongestText(AdjustmentFamily::Byte), 3u);
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
