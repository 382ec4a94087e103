#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/IdentityTable.h"
#include "model/DtmfDigits.h"
#include "model/Password.h"

namespace {

using Kind = IdentityProblemKind;
using Column = IdentityColumn;

// A row as one line: its line, its key and the codes it gives.
std::string Described(const IdentityRow& row)
{
    std::string text = std::to_string(row.line) + " ";
    text += row.key == IdentityKey::Serial ? "serial=" + row.serial : "slot=" + std::to_string(row.slot);
    const std::pair<const char*, const std::optional<std::string>*> codes[] = {
        {"ptt_id", &row.pttId}, {"ani", &row.ani}, {"password", &row.password}};
    for (const auto& [name, code] : codes)
        if (*code)
            text += std::string(" ") + name + "=" + **code;
    return text;
}

std::string Described(const IdentityProblem& problem)
{
    return std::to_string(problem.line) + " kind " + std::to_string(int(problem.kind)) + " " +
           IdentityColumnTitle(problem.column) + " \"" + problem.text + "\" " + std::to_string(problem.earlierLine);
}

template <typename T>
std::vector<std::string> AllDescribed(const std::vector<T>& items)
{
    std::vector<std::string> lines;
    for (const T& item : items)
        lines.push_back(Described(item));
    return lines;
}

TEST(IdentityTable, ReadsRowsBySerialBySlotAndInOrder)
{
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> rows;
    } cases[] = {
        {"BySerial", "\xEF\xBB\xBF" "serial,ptt_id,ani,password\r\n1001,101,201,a b\r\n 1002 ,102,,\r\n",
         {"2 serial=1001 ptt_id=101 ani=201 password=a b", "3 serial=1002 ptt_id=102"}},
        {"BySlotWithTitlesInAnyCase", " Slot ,ANI\n\n2,1a*#\n007,555\n", {"3 slot=2 ani=1A*#", "4 slot=7 ani=555"}},
        {"InOrderWithoutKeys", "ptt_id\n#12\n\n34\n\"\"\n", {"2 slot=1 ptt_id=#12", "4 slot=2 ptt_id=34", "5 slot=3"}},
        {"MixedKeys", "serial,slot,ani\n'=SN1,,11\n,2,22\n", {"2 serial==SN1 ani=11", "3 slot=2 ani=22"}},
        {"SerialControlCharactersEscaped", "serial,ani\nA\x01,1\n", {"2 serial=A\\x01 ani=1"}},
    };
    for (const auto& c : cases) {
        const IdentityTable table = ReadIdentityTable(c.text);
        EXPECT_TRUE(table.Ok()) << c.name << ": " << ::testing::PrintToString(AllDescribed(table.problems));
        EXPECT_EQ(AllDescribed(table.rows), c.rows) << c.name;
    }
}

TEST(IdentityTable, RefusesEveryProblemWithItsLine)
{
    const struct {
        const char* name;
        std::string text;
        std::vector<IdentityProblem> problems;
    } cases[] = {
        {"UnknownColumn", "serial,colour,ani\n1001,red,12\n", {{1, Kind::UnknownColumn, Column::Serial, "colour", 0}}},
        {"DuplicateColumn", "ani,ptt_id,ANI\n1,2,3\n", {{1, Kind::DuplicateColumn, Column::Ani, "", 0}}},
        {"NoCodeColumn", "\nserial\n1001\n", {{2, Kind::NoCodeColumn, Column::PttId, "", 0}}},
        {"EmptyText", "", {{1, Kind::NoCodeColumn, Column::PttId, "", 0}}},
        {"DuplicateSerial", "serial,ani\n1001,1\n1002,2\n1001,3\n",
         {{4, Kind::DuplicateSerial, Column::Serial, "1001", 2}}},
        {"DuplicateSlot", "slot,ani\n7,1\n\n007,2\n", {{4, Kind::DuplicateSlot, Column::Slot, "7", 2}}},
        {"SlotNotANumber", "slot,ani\n0,1\n-2,2\n1.5,3\n99999999999999999999,4\n",
         {{2, Kind::SlotNotANumber, Column::Slot, "0", 0},
          {3, Kind::SlotNotANumber, Column::Slot, "-2", 0},
          {4, Kind::SlotNotANumber, Column::Slot, "1.5", 0},
          {5, Kind::SlotNotANumber, Column::Slot, "99999999999999999999", 0}}},
        {"NoKey", "serial,ani\n1001,4\n,5\n", {{3, Kind::NoKey, Column::Serial, "", 0}}},
        {"BothKeys", "serial,slot,ani\n1001,1,5\n", {{2, Kind::BothKeys, Column::Serial, "", 0}}},
        {"NotDtmfCode", "ptt_id,ani\n12X4,1\n1,12345678901\n",
         {{2, Kind::NotDtmfCode, Column::PttId, "12X4", 0}, {3, Kind::NotDtmfCode, Column::Ani, "12345678901", 0}}},
        {"CommentIsARow", "ani\n# fleet of May\n", {{2, Kind::NotDtmfCode, Column::Ani, "# fleet of May", 0}}},
        {"NotPasswordKeepsNoSecret", "password\nabcdefghijklmnopq\nn\xC3\xA9\n",
         {{2, Kind::NotPassword, Column::Password, "", 0}, {3, Kind::NotPassword, Column::Password, "", 0}}},
        {"CellWithoutTitle", "ani,\n1,\n2,x\n3,,5\n",
         {{3, Kind::CellWithoutTitle, Column::Serial, "x", 0}, {4, Kind::CellWithoutTitle, Column::Serial, "5", 0}}},
        {"QuoteLeftOpen", "serial,ptt_id\n\"1001,12\n1002,13\n", {{2, Kind::QuoteLeftOpen, Column::Serial, "", 0}}},
        {"LineAfterAQuotedLineBreak", "serial,ani\n\"10\n01\",1\n1002,2X\n",
         {{4, Kind::NotDtmfCode, Column::Ani, "2X", 0}}},
    };
    for (const auto& c : cases) {
        const IdentityTable table = ReadIdentityTable(c.text);
        EXPECT_EQ(AllDescribed(table.problems), AllDescribed(c.problems)) << c.name;
        EXPECT_TRUE(table.rows.empty()) << c.name;
    }
}

TEST(IdentityTable, KeepsTheFirstProblemsAndCountsTheRest)
{
    std::string text = "ani\n";
    for (size_t i = 0; i < MostIdentityProblems + 50; ++i)
        text += "X\n";
    const IdentityTable table = ReadIdentityTable(text);
    ASSERT_EQ(table.problems.size(), MostIdentityProblems);
    EXPECT_EQ(table.problems.back().line, MostIdentityProblems + 1);
    EXPECT_EQ(table.problemsLeftOut, 50u);
}

TEST(IdentityTable, RadioFindsItsSerialsRowBeforeItsSlotsRow)
{
    const IdentityTable table = ReadIdentityTable("serial,slot,ani\n1001,,11\n,1,22\n,2,33\n");
    ASSERT_TRUE(table.Ok());
    const struct {
        uint64_t slot;
        const char* serial;
        unsigned line;  // 0: no row
    } cases[] = {{1, "1001", 2}, {1, "1002", 3}, {2, "", 4}, {3, "1001", 2}, {3, "1003", 0}};
    for (const auto& c : cases) {
        const IdentityRow* row = IdentityRowForRadio(table, c.slot, c.serial);
        EXPECT_EQ(row ? row->line : 0, c.line) << c.slot << " " << c.serial;
    }
}

TEST(IdentityTable, ApplyingARowChangesOnlyTheCodesItGives)
{
    RadioSettings record{};
    StoreDtmfText("999999", record.PttId, DtmfCodeCapacity, record.PttIdLength);
    StoreDtmfText("888", record.Ani, DtmfCodeCapacity, record.AniLength);
    StorePasswordText(record.Password, "old");
    const IdentityTable table = ReadIdentityTable("slot,ptt_id,ani,password\n1,,12,\n2,A1,#,new pass\n");
    ASSERT_TRUE(table.Ok());

    RadioSettings first = record;
    ApplyIdentityRow(*IdentityRowForSlot(table, 1), first);
    EXPECT_EQ(DtmfText(first.PttId, DtmfCodeCapacity, first.PttIdLength), "999999");
    EXPECT_EQ(DtmfText(first.Ani, DtmfCodeCapacity, first.AniLength), "12");
    EXPECT_EQ(first.Ani[2], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(first.Password)), "old");

    RadioSettings second = record;
    ApplyIdentityRow(*IdentityRowForSlot(table, 2), second);
    EXPECT_EQ(DtmfText(second.PttId, DtmfCodeCapacity, second.PttIdLength), "A1");
    EXPECT_EQ(DtmfText(second.Ani, DtmfCodeCapacity, second.AniLength), "#");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(second.Password)), "new pass");
}

}  // namespace
