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
    ASSERT_TRUE(read) << error.what;
    EXPECT_EQ(WriteJson(*read), expected);
}

TEST(JsonValue, ReadsEscapesNumbersAndTheLastOfRepeatedKeys)
{
    JsonSyntaxError error;
    const auto read = ParseJson("\xEF\xBB\xBF { \"s\": \"\\u4e2d\\ud83d\\ude00\\/\", \"n\": -1.5e2, \"n\": 25 } ", error);
    ASSERT_TRUE(read) << error.what;
    EXPECT_EQ(read->Find("s")->text, "\xE4\xB8\xAD\xF0\x9F\x98\x80/");
    EXPECT_EQ(read->Find("n")->number, 25);
    EXPECT_EQ(ParseJson("[-1.5e2, 1E+2, 0.5]", error)->items[0].number, -150);
}

TEST(JsonValue, RefusesWhatIsNoDocumentSayingWhere)
{
    const struct {
        std::string text;
        const char* what;
        size_t offset;
    } cases[] = {
        {"", "illegal value", 0},
        {"5", "illegal value", 0},
        {"{\"Sql\": ", "unterminated object", 8},
        {"[1, 2", "unterminated array", 5},
        {"{\"a\" 1}", "missing name separator", 5},
        {"{\"a\": 1 \"b\": 2}", "missing value separator", 8},
        {"{\"a\": 01}", "missing value separator", 7},
        {"{\"a\": -}", "illegal number", 7},
        {"{\"a\": 1.5e3777}", "illegal number", 14},
        {"[-1e309]", "illegal number", 7},
        {"{\"a\": tru}", "illegal value", 6},
        {"{\"a\": \"\\q\"}", "invalid escape sequence", 7},
        {"{\"a\": \"\\ud800\"}", "invalid escape sequence", 7},
        {"{\"a\": \"\xC0\xAF\"}", "invalid UTF8 string", 7},
        {"{\"a\": \"\xED\xA0\x80\"}", "invalid UTF8 string", 7},
        {"{\"a\": \"x\x01\"}", "control character in a string", 8},
        {"{\"a\": \"x", "unterminated string", 8},
        {"{} x", "garbage at the end of the document", 3},
        {std::string(100, '['), "too deeply nested document", 64},
    };
    for (const auto& c : cases) {
        JsonSyntaxError error;
        EXPECT_FALSE(ParseJson(c.text, error)) << c.text;
        EXPECT_EQ(error.what, c.what) << c.text;
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
    EXPECT_EQ(*refused, "Channel[0].Alpha: no such field");
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
