#include <gtest/gtest.h>

#include "files/CsvTable.h"

namespace {

using Fields = std::vector<std::string>;

struct CsvRecord {
    unsigned line = 0;
    Fields fields;
};

// Every record of the text with all its fields.
std::vector<CsvRecord> ParseCsv(std::string_view text, char separator)
{
    std::vector<CsvRecord> records;
    CsvReader reader(text, separator);
    Fields fields;
    while (reader.NextRecord([&fields](size_t, std::string_view field) { fields.emplace_back(field); })) {
        records.push_back({reader.RecordLine(), fields});
        fields.clear();
    }
    return records;
}

struct ParseCase {
    const char* name;
    std::string text;
    char separator;
    std::vector<CsvRecord> expected;
};

class CsvParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CsvParse, GivesRecordsWithTheirLines)
{
    const auto records = ParseCsv(GetParam().text, GetParam().separator);
    ASSERT_EQ(records.size(), GetParam().expected.size());
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i].line, GetParam().expected[i].line) << i;
        EXPECT_EQ(records[i].fields, GetParam().expected[i].fields) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CsvParse,
    ::testing::Values(
        ParseCase{"BomAndCrLf", "\xEF\xBB\xBF" "a,b\r\n1,2\r\n", ',', {{1, Fields{"a", "b"}}, {2, Fields{"1", "2"}}}},
        ParseCase{"LastLineWithoutEnd", "a,b\n1,", ',', {{1, Fields{"a", "b"}}, {2, Fields{"1", ""}}}},
        ParseCase{"CommentsAndBlankLines", "# made by hand\n\na\r\n\r\n#x,y\nb\n", ',',
                  {{3, Fields{"a"}}, {6, Fields{"b"}}}},
        ParseCase{"QuotedSeparatorAndQuotes", "\"Name, long\",\"say \"\"hi\"\"\",3\n", ',',
                  {{1, Fields{"Name, long", "say \"hi\"", "3"}}}},
        ParseCase{"QuotedLineBreakKeepsCounting", "\"two\nlines\",x\nnext\n", ',',
                  {{1, Fields{"two\nlines", "x"}}, {3, Fields{"next"}}}},
        ParseCase{"UnclosedQuoteRunsToTheEnd", "\"open,x\ny", ',', {{1, Fields{"open,x\ny"}}}},
        ParseCase{"Tabs", "a\tb,c\n", '\t', {{1, Fields{"a", "b,c"}}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CsvFormat, QuotesOnlyWhatNeedsItAndReadsBack)
{
    const struct {
        Fields fields;
        char separator;
        const char* line;
    } cases[] = {
        {{"1", "FRS 1", "", "462.562500"}, ',', "1,FRS 1,,462.562500"},
        {{"a,b", "say \"x\"", "two\nlines"}, ',', "\"a,b\",\"say \"\"x\"\"\",\"two\nlines\""},
        {{"a,b", "c\td"}, '\t', "a,b\t\"c\td\""},
    };
    for (const auto& c : cases) {
        const std::string line = FormatCsvRecord(c.fields, c.separator);
        EXPECT_EQ(line, c.line);
        const auto back = ParseCsv(line + "\r\n", c.separator);
        ASSERT_EQ(back.size(), 1u) << line;
        EXPECT_EQ(back[0].fields, c.fields);
    }
}

TEST(CsvSeparator, TabsInTheHeaderMakeItTheTabForm)
{
    const struct {
        const char* text;
        char separator;
    } cases[] = {
        {"Location\tName\tFrequency\r\n1\tA,B\t446.0\r\n", CsvTab},
        {"\xEF\xBB\xBF# pasted\n\nName\tFrequency\n", CsvTab},
        {"Location,Name,Frequency\n1,\"A\tB\",446.0\n", CsvComma},
        {"Frequency\n446.0\n", CsvComma},
        {"", CsvComma},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GuessCsvSeparator(c.text), c.separator) << c.text;
}

TEST(SpreadsheetText, FormulaLikeTextGetsAnApostropheAndReadsBackExactly)
{
    const struct {
        std::string text;
        std::string field;
    } cases[] = {
        {"=1+1", "'=1+1"},   {"+CH", "'+CH"},     {"-5", "'-5"},         {"@SUM(A1)", "'@SUM(A1)"},
        {"\tA", "'\tA"},     {"\rA", "'\rA"},     {"'=x", "''=x"},       {"''-", "'''-"},
        {"'quoted", "'quoted"}, {"'", "'"},       {"CH-1", "CH-1"},      {"146.520", "146.520"},
        {"", ""},            {"中文=", "中文="},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SpreadsheetTextField(c.text), c.field) << c.text;
        EXPECT_EQ(TextOfSpreadsheetField(c.field), c.text) << c.field;
    }
    for (const char* unmarked : {"=1+1", "-5", "@x", "'abc"})
        EXPECT_EQ(TextOfSpreadsheetField(unmarked), unmarked) << "written elsewhere without the apostrophe";
}

}
