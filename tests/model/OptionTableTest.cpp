#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "model/OptionTable.h"

namespace {

TEST(OptionTable, EachFieldHasItsOwnBytesNameAndPlaceAndOffersItsDefault)
{
    std::set<size_t> bytes;
    std::set<std::string> names;
    std::set<std::tuple<OptionPage, int, int>> places;
    size_t previousOffset = 0;
    for (const OptionField& f : OptionFields()) {
        EXPECT_GT(f.offset, previousOffset) << f.name << ": the table keeps the record's order";
        previousOffset = f.offset;
        for (size_t i = 0; i < f.width; ++i)
            EXPECT_TRUE(bytes.insert(f.offset + i).second) << f.name;
        EXPECT_TRUE(names.insert(f.name).second) << f.name;
        EXPECT_TRUE(places.insert({f.place.page, f.place.column, f.place.row}).second) << f.name;
        EXPECT_TRUE(f.Offers(f.defaultValue)) << f.name;
        EXPECT_EQ(f.kind == OptionKind::Flag, f.choices.empty()) << f.name;
        for (const Choice& c : f.choices)
            EXPECT_LE(c.value, f.Max()) << f.name;
    }
    for (const DtmfCodeField& f : DtmfCodeFields()) {
        EXPECT_EQ(f.lengthOffset, f.codesOffset + DtmfCodeCapacity) << f.name;
        EXPECT_TRUE(places.insert({f.place.page, f.place.column, f.place.row}).second) << f.name;
    }
}

TEST(OptionTable, AListShowsAStoredValueAsItsEditorAlwaysHas)
{
    const struct {
        const char* field;
        uint32_t value;
        int index;
    } cases[] = {
        {"Tot", 180, 6},           {"Tot", 200, 6},            {"VoxDelay", 2000, 3},   {"VoxDelay", 1200, -1},
        {"DtmfDigitSpeed", 45, 0}, {"DtmfDigitSpeed", 40, -1}, {"DtmfDigitSpeed", 210, -1},
        {"GroupCode", 12, 3},      {"GroupCode", 7, 0},        {"Apo", 60, 3},          {"Apo", 45, -1},
        {"PriScan", 16, 16},       {"Key1Long", 3, -1},        {"Key1Long", 6, 2},      {"Key2Short", 17, 17},
    };
    for (const auto& c : cases) {
        const OptionField* field = FindOptionField(c.field);
        ASSERT_NE(field, nullptr) << c.field;
        EXPECT_EQ(field->IndexOf(c.value), c.index) << c.field << " " << c.value;
    }
}

TEST(OptionTable, ListsAndFlagsOfferWhatTheirEditorsStore)
{
    const OptionField& voxDelay = *FindOptionField("VoxDelay");
    EXPECT_EQ(voxDelay.choices.front().label, (ChoiceLabel{ChoiceLabelKind::Seconds, "0.5"}));
    EXPECT_EQ(voxDelay.choices.back().label, (ChoiceLabel{ChoiceLabelKind::Seconds, "3.0"}));
    EXPECT_EQ(FindOptionField("Key1Short")->choices.size(), 24u);
    EXPECT_EQ(FindOptionField("Key1Long")->choices.size(), 20u);
    EXPECT_EQ(FindOptionField("AutoReset")->choices.size(), 256u);
    EXPECT_TRUE(FindOptionField("Whisper")->Offers(1));
    EXPECT_FALSE(FindOptionField("Whisper")->Offers(2));
    EXPECT_FALSE(FindOptionField("Whisper")->Ticked(2));
    EXPECT_TRUE(FindOptionField("ChannelReport")->Ticked(2));
    EXPECT_TRUE(IsMomentaryKeyFunction(3));
    EXPECT_FALSE(IsMomentaryKeyFunction(2));
}

TEST(OptionTable, FieldsReadAndWriteTheirLittleEndianBytes)
{
    RadioSettings s{};
    FindOptionField("VoxDelay")->Set(s, 0x1234);
    FindOptionField("Sql")->Set(s, 7);
    EXPECT_EQ(uint16_t(s.VoxDelay), 0x1234);
    EXPECT_EQ(s.Sql, 7);
    EXPECT_EQ(FindOptionField("VoxDelay")->Get(s), 0x1234u);
    const DtmfCodeField& ani = DtmfCodeFields().back();
    ani.Store(s, "12#");
    EXPECT_EQ(s.AniLength, 3);
    EXPECT_EQ(s.Ani[2], 15);
    EXPECT_EQ(ani.Text(s), "12#");
}

}
