#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "files/JsonValue.h"
#include "files/RecordJson.h"

namespace {

TEST(JsonValue, WritesIndentedWithSortedKeysAndEscapesOnlyWhatMust)
{
    const JsonValue document = JsonValue::Object({
        {"b", JsonValue::Array({JsonValue::Number(1), JsonValue::Number(4294967295.0)})},
        {"a", JsonValue::String("q\"\\\b\f\n\r\t\x01\x1f\x7f\xC3\xA9/")},
        {"c", JsonValue::Object({{"t", JsonValue::Bool(true)}, {"n", JsonValue()}})},
    });
    const std::string expected = "{\n"
                                 "    \"a\": \"q\\\"\\\\\\b\\f\\n\\r\\t\\u0001\\u001f\x7f\xC3\xA9/\",\n"
                                 "    \"b\": [\n"
                                 "        1,\n"
                                 "        4294967295\n"
                                 "    ],\n"
                                 "    \"c\": {\n"
                                 "        \"n\": null,\n"
                                 "        \"t\": true\n"
                                 "    }\n"
                                 "}\n";
    const std::string written = WriteJson(document);
    EXPECT_EQ(written, expected);
    JsonSyntaxError error;
    const auto read = ParseJson(written, error);
    ASSERT_TRUE(read) << error.offset;
    EXPECT_EQ(WriteJson(*read), expected);
}

TEST(JsonValue, ReadsEscapesNumbersAndTheLastOfRepeatedKeys)
{
    JsonSyntaxError error;
    const auto read = ParseJson("\xEF\xBB\xBF { \"s\": \"\\u4e2d\\ud83d\\ude00\\/\", \"n\": -1.5e2, \"n\": 25 } ", error);
    ASSERT_TRUE(read) << error.offset;
    EXPECT_EQ(read->Find("s")->text, "\xE4\xB8\xAD\xF0\x9F\x98\x80/");
    EXPECT_EQ(read->Find("n")->number, 25);
    EXPECT_EQ(ParseJson("[-1.5e2, 1E+2, 0.5]", error)->items[0].number, -150);
}

TEST(JsonValue, RefusesWhatIsNoDocumentSayingWhere)
{
    using Problem = JsonSyntaxProblem;
    const struct {
        std::string text;
        JsonSyntaxProblem problem;
        size_t offset;
    } cases[] = {
        {"", Problem::IllegalValue, 0},
        {"5", Problem::IllegalValue, 0},
        {"{\"Sql\": ", Problem::UnterminatedObject, 8},
        {"[1, 2", Problem::UnterminatedArray, 5},
        {"{\"a\" 1}", Problem::MissingNameSeparator, 5},
        {"{\"a\": 1 \"b\": 2}", Problem::MissingValueSeparator, 8},
        {"{\"a\": 01}", Problem::MissingValueSeparator, 7},
        {"{\"a\": -}", Problem::IllegalNumber, 7},
        {"{\"a\": 1.5e3777}", Problem::IllegalNumber, 14},
        {"[-1e309]", Problem::IllegalNumber, 7},
        {"{\"a\": tru}", Problem::IllegalValue, 6},
        {"{\"a\": \"\\q\"}", Problem::InvalidEscape, 7},
        {"{\"a\": \"\\ud800\"}", Problem::InvalidEscape, 7},
        {"{\"a\": \"\xC0\xAF\"}", Problem::InvalidUtf8, 7},
        {"{\"a\": \"\xED\xA0\x80\"}", Problem::InvalidUtf8, 7},
        {"{\"a\": \"x\x01\"}", Problem::ControlCharacter, 8},
        {"{\"a\": \"x", Problem::UnterminatedString, 8},
        {"{} x", Problem::GarbageAtEnd, 3},
        {std::string(100, '['), Problem::TooDeep, 64},
    };
    for (const auto& c : cases) {
        JsonSyntaxError error;
        EXPECT_FALSE(ParseJson(c.text, error)) << c.text;
        EXPECT_EQ(error.problem, c.problem) << c.text;
        EXPECT_EQ(error.offset, c.offset) << c.text;
    }
}

TEST(RecordJson, ARefusalNamesTheKeyAndLeavesTheRecordAsItWas)
{
    RadioSettings s{};
    s.ResetToDefaults();
    const RadioSettings before = s;
    const auto refused = ApplyRecordJson(R"({"Sql": 7, "Zeta": 1, "Channel": [{"Channel": 2, "Alpha": 0, "Beta": 1}]})", s);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->kind, JsonRefusalKind::NoSuchField);
    EXPECT_EQ(refused->where, "Channel[0].Alpha");
    EXPECT_EQ(std::memcmp(&s, &before, sizeof s), 0);
}

// A name byte that starts no GBK character reads as "?" here as in every other text of the record,
// and the record's own JSON still keeps such a name as it is held.
TEST(RecordJson, BrokenNameBytesReadAsQuestionMarksAndSurviveTheRoundTrip)
{
    RadioSettings s{};
    s.ResetToDefaults();
    std::memcpy(s.Channel[1].Name, "A\x81\xFF", 3);
    const std::string json = RecordJson(s);
    EXPECT_NE(json.find("\"Name\": \"A??\""), std::string::npos);
    RadioSettings back = s;
    EXPECT_FALSE(ApplyRecordJson(json, back));
    EXPECT_EQ(std::memcmp(&back, &s, sizeof s), 0);
}

}
