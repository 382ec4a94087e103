#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "model/AddressBookEntries.h"
#include "model/KeyAssignment.h"
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


TEST(KeyAssignment, AMomentaryShortPressLeavesTheSameKeysLongPressUnassigned)
{
    constexpr uint32_t Monitor = 2, MonitorMomentary = 3, Scan = 8;
    const struct {
        const char* press;
        uint32_t shortBefore, longBefore, chosen;
        bool taken, longCleared;
        uint32_t shortAfter, longAfter;
    } cases[] = {
        {"Key2Short", Monitor, Scan, MonitorMomentary, true, true, MonitorMomentary, 0},
        {"Key2Short", Monitor, 0, MonitorMomentary, true, false, MonitorMomentary, 0},
        {"Key2Long", MonitorMomentary, 0, Scan, false, false, MonitorMomentary, 0},
        {"Key2Long", Monitor, 0, Scan, true, false, Monitor, Scan},
        {"Key2Short", MonitorMomentary, 0, Monitor, true, false, Monitor, 0},
    };
    for (const auto& c : cases) {
        RadioSettings s{};
        s.Key2Short = uint8_t(c.shortBefore);
        s.Key2Long = uint8_t(c.longBefore);
        s.Key1Long = uint8_t(Scan);
        const KeyAssignment assignment = AssignKeyFunction(s, *FindOptionField(c.press), c.chosen);
        EXPECT_EQ(assignment.taken, c.taken) << c.press << " " << c.chosen;
        EXPECT_EQ(assignment.longPressCleared, c.longCleared) << c.press << " " << c.chosen;
        EXPECT_EQ(s.Key2Short, c.shortAfter) << c.press << " " << c.chosen;
        EXPECT_EQ(s.Key2Long, c.longAfter) << c.press << " " << c.chosen;
        EXPECT_EQ(s.Key1Long, Scan) << "the other key keeps its long press";
    }
}

TEST(OptionTable, EveryEditorHasItsOwnObjectName)
{
    std::set<std::string> names;
    for (int page = 0; page <= int(OptionPage::Keys); ++page)
        for (int column = 0; column < 2; ++column)
            for (const PageRow& row : PageRowsAt(OptionPage(page), column)) {
                EXPECT_TRUE(names.insert(row.Editor().control).second) << row.Editor().control;
                if (row.Editor().label) {
                    EXPECT_TRUE(names.insert(row.Editor().label).second) << row.Editor().label;
                }
            }
    EXPECT_EQ(FindOptionEditor("cbTOT"), FindOptionField("Tot"));
    EXPECT_EQ(FindDtmfCodeEditor("eANI"), &DtmfCodeFields().back());
    EXPECT_EQ(FindOptionEditor("eANI"), nullptr);
}

TEST(AddressBookEntries, NamingBringsAnEntryIntoUseAndAnEmptyNameOrCodeTakesItOut)
{
    RadioSettings s{};
    constexpr unsigned Row = 5;
    EXPECT_FALSE(AddressBookEntryNamed(s, Row));
    NameAddressBookEntry(s, Row, "Base");
    EXPECT_TRUE(AddressBookEntryNamed(s, Row));
    EXPECT_EQ(AddressBookCodeText(s, Row), "0") << "a new entry dials 0";
    SetAddressBookCode(s, Row, "12#");
    NameAddressBookEntry(s, Row, "Camp");
    EXPECT_EQ(AddressBookCodeText(s, Row), "12#") << "renaming keeps the code";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(s.Entry(Row).EntryName), 4), "Camp");
    SetAddressBookCode(s, Row, "");
    EXPECT_FALSE(s.IsAddrBookEntryUsed(Row));
    EXPECT_EQ(AddressBookCodeText(s, Row), "");
    NameAddressBookEntry(s, Row, "Camp");
    NameAddressBookEntry(s, Row, "");
    EXPECT_FALSE(s.IsAddrBookEntryUsed(Row));
}

}
