#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "ExpectedTraditionalTexts.h"
#include "lang/AppLang.h"
#include "lang/Messages.h"
#include "lang/TextTable.h"
#include "text/GbkEncoding.h"

namespace {

constexpr int LastEntryLooked = MainTextEntryCount;

const std::map<std::string, std::function<std::string(int)>>& Tables()
{
    static const std::map<std::string, std::function<std::string(int)>> tables = {
        {"main", [](int entry) { return LangText(entry); }},
        {"transfer", ProgramDialogText},
        {"port", PortDialogText},
        {"adjustment", AdjustmentDialogText},
        {"notice", [](int entry) { return entry == 0 ? NoticeOkText() : std::string(); }},
        {"message", [](int entry) { return MessagePattern(MessageId(entry)); }},
    };
    return tables;
}

std::string Shown(const std::string& table, int entry, LanguageSetting setting)
{
    ApplyLanguageSetting(setting);
    return DisplayText(Tables().at(table)(entry)).toStdString();
}

std::string Converted(const char* utf8) { return AppLang().FromGBK(Utf8ToGbk(utf8)); }

// The program converts character by character; OpenCC converted each whole text by its words.
TEST(TraditionalTextsTest, EveryTextReadsAsItsWordsAreWritten)
{
    for (const ExpectedTraditionalText& text : ExpectedTraditionalTexts) {
        const std::string name = std::string(text.Table) + " " + std::to_string(text.Entry);
        ASSERT_EQ(Shown(text.Table, text.Entry, LanguageSetting::SimplifiedChinese), text.Simplified)
            << name << ": the text changed, run tools/gen_traditional_texts.py";
        const std::string shown = Shown(text.Table, text.Entry, LanguageSetting::TraditionalChinese);
        EXPECT_EQ(shown, text.Traditional) << name << " shows " << shown << " for " << text.Traditional;
    }
}

TEST(TraditionalTextsTest, EveryTextOfEveryTableIsListed)
{
    std::set<std::pair<std::string, int>> listed;
    for (const ExpectedTraditionalText& text : ExpectedTraditionalTexts)
        listed.insert({text.Table, text.Entry});
    ApplyLanguageSetting(LanguageSetting::SimplifiedChinese);
    for (const auto& [table, lookup] : Tables()) {
        for (int entry = 0; entry <= LastEntryLooked; ++entry) {
            if (!lookup(entry).empty()) {
                EXPECT_TRUE(listed.count({table, entry})) << table << " " << entry;
            }
        }
    }
}

struct CharacterCase {
    const char* Simplified;   // UTF-8
    const char* Traditional;  // UTF-8
};

class TraditionalCharacterTest : public ::testing::TestWithParam<CharacterCase> {};

TEST_P(TraditionalCharacterTest, BecomesTheFormItsTextsMean)
{
    ApplyLanguageSetting(LanguageSetting::TraditionalChinese);
    EXPECT_EQ(DisplayText(Converted(GetParam().Simplified)).toStdString(), GetParam().Traditional);
}

// 钟 and 系 as the program's texts mean them; characters that are no simplification and that Big5
// holds stay as written; ambiguous simplifications keep OpenCC's first candidate.
INSTANTIATE_TEST_SUITE_P(Samples, TraditionalCharacterTest,
                         ::testing::Values(CharacterCase{"钟", "鐘"}, CharacterCase{"系", "繫"},
                                           CharacterCase{"喫", "喫"}, CharacterCase{"纔", "纔"},
                                           CharacterCase{"岩", "岩"}, CharacterCase{"游", "游"},
                                           CharacterCase{"托", "托"}, CharacterCase{"后", "後"},
                                           CharacterCase{"里", "裡"}, CharacterCase{"干", "幹"}));

}
