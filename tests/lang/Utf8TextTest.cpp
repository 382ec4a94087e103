#include <gtest/gtest.h>

#include <cerrno>

#include "lang/FindingMessage.h"
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

}
