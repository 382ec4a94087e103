#include <gtest/gtest.h>

#include <cerrno>

#include "lang/FindingMessage.h"
#include "lang/JsonRefusalMessage.h"
#include "lang/Utf8Text.h"

using namespace TTeskFuncs;

namespace {

// Whatever the program shows, the texts come in the language asked for.
class Utf8TextTest : public ::testing::Test {
protected:
    void SetUp() override { ApplyLanguageSetting(LanguageSetting::English); }
};

TEST_F(Utf8TextTest, EntriesAndMessagesComeInEachLanguage)
{
    const struct {
        TLangType language;
        const char* entry;
        const char* message;
    } cases[] = {
        {LangEnglish, "Name", "Cannot open /tmp/x: No such file or directory"},
        {LangSimplifiedChinese, "信道别名", "无法打开 /tmp/x：文件或文件夹不存在"},
        {LangTraditionalChinese, "信道別名", "無法打開 /tmp/x：文件或文件夾不存在"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EntryUtf8(TextEntry::ChannelName, c.language), c.entry) << int(c.language);
        EXPECT_EQ(MessageUtf8({MessageId::CannotOpen, {"/tmp/x", MessageArg::Reason(ENOENT)}}, c.language), c.message);
    }
}

TEST_F(Utf8TextTest, FindingsNameTheChannelInTheLanguageAskedFor)
{
    const RecordFinding finding{3, "RxFreq", "770.00000", RecordProblem::OutsideBand};
    const FindingTexts chinese = FindingUtf8(finding, LangSimplifiedChinese);
    EXPECT_EQ(chinese.where, "信道 3，接收频率");
    EXPECT_EQ(chinese.value, "770.00000");
    EXPECT_EQ(chinese.problem, "超出频段");
    EXPECT_EQ(FindingUtf8({0, "Sql", "12", RecordProblem::OutsideList}, LangEnglish).where, "SQL");
    EXPECT_EQ(EnglishFinding(finding), "Channel 3, receive frequency = 770.00000: outside the band");
}

// A refused JSON text is told in the language asked for, down to what the parser found wrong;
// in English as the command line has always printed it.
TEST_F(Utf8TextTest, JsonRefusalsComeInEachLanguage)
{
    RadioSettings settings{};
    const auto refusalOf = [&settings](const char* json) { return JsonRefusalMessage(*ApplyRecordJson(json, settings)); };
    const Message notJson = refusalOf("{\"a\": \"x");
    const Message outside = refusalOf(R"({"Channel": [{"Channel": 1, "Power": 4}]})");
    const struct {
        TLangType language;
        const char* notJson;
        const char* outside;
    } cases[] = {
        {LangEnglish, "not JSON: unterminated string at byte 8", "Channel[0].Power: 4 is outside 0..3"},
        {LangSimplifiedChinese, "不是 JSON：第 8 字节处字符串未结束", "Channel[0].Power：4 不在 0..3 之内"},
        {LangTraditionalChinese, "不是 JSON：第 8 字節處字符串未結束", "Channel[0].Power：4 不在 0..3 之內"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MessageUtf8(notJson, c.language), c.notJson);
        EXPECT_EQ(MessageUtf8(outside, c.language), c.outside);
    }
    EXPECT_EQ(EnglishMessage(notJson), cases[0].notJson);
    EXPECT_EQ(EnglishMessage(refusalOf("[]")), "not an object");
}

}
