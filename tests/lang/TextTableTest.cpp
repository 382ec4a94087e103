#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <QString>

#include "lang/AppLang.h"
#include "lang/Messages.h"
#include "lang/TextTable.h"
#include "lang/TraditionalTable.h"
#include "text/Big5Encoding.h"

namespace {

constexpr LanguageSetting AllSettings[] = {LanguageSetting::English, LanguageSetting::SimplifiedChinese,
                                           LanguageSetting::TraditionalChinese};

const QChar WhiteSquare(0x25A1);

bool IsPrivateUse(QChar c) { return c.unicode() >= 0xE000 && c.unicode() <= 0xF8FF; }

struct NamedLookup {
    std::string Name;
    std::function<std::string()> Lookup;
};

// Every entry of every table the program shows.
std::vector<NamedLookup> AllEntries()
{
    std::vector<NamedLookup> all;
    for (int i = 0; i < MainTextEntryCount; ++i)
        all.push_back({"main " + std::to_string(i), [i] { return LangText(i); }});
    for (int i = 0; i <= 6; ++i)
        all.push_back({"transfer " + std::to_string(i), [i] { return ProgramDialogText(i); }});
    for (int i = 0; i <= 2; ++i)
        all.push_back({"port " + std::to_string(i), [i] { return PortDialogText(i); }});
    for (int i : {0, 1, 2, 3, 4, 5, 6, 22, 23, 24})
        all.push_back({"adjustment " + std::to_string(i), [i] { return AdjustmentDialogText(i); }});
    all.push_back({"notice OK", [] { return NoticeOkText(); }});
    for (size_t i = 0; i < MessageCount; ++i)
        all.push_back({"message " + std::to_string(i), [i] { return MessagePattern(MessageId(i)); }});
    return all;
}

TEST(TextTableTest, EntryZeroIsOneBlankInEveryLanguage)
{
    for (LanguageSetting setting : AllSettings) {
        ApplyLanguageSetting(setting);
        EXPECT_EQ(LangText(0), " ") << "setting " << int(setting);
    }
}

struct EnglishCase {
    std::function<std::string()> Lookup;
    std::string Bytes;
    const char* Shown;  // UTF-8
};

class EnglishTextTest : public ::testing::TestWithParam<EnglishCase> {};

TEST_P(EnglishTextTest, EnglishTextsAreByteExact)
{
    ApplyLanguageSetting(LanguageSetting::English);
    const std::string text = GetParam().Lookup();
    EXPECT_EQ(text, GetParam().Bytes);
    EXPECT_EQ(DisplayText(text), QString::fromUtf8(GetParam().Shown));
}

// The full-width comma and colon that two English texts share with the Chinese ones are held
// as GBK, as all 8-bit texts outside Traditional Chinese are.
INSTANTIATE_TEST_SUITE_P(
    Samples, EnglishTextTest,
    ::testing::Values(EnglishCase{[] { return LangText(1); }, "&File", "&File"},
                      EnglishCase{[] { return LangText(11); }, "Chinese(&Simplified)", "Chinese(&Simplified)"},
                      EnglishCase{[] { return LangText(66); }, "Clcok", "Clcok"},
                      EnglishCase{[] { return LangText(154); }, "Cannel", "Cannel"},
                      EnglishCase{[] { return LangText(155); }, "Clear all data ?", "Clear all data ?"},
                      EnglishCase{[] { return LangText(163); }, "Version\xA3\xBAV3.2.0", "Version：V3.2.0"},
                      EnglishCase{[] { return LangText(239); }, "Call Selete", "Call Selete"},
                      EnglishCase{[] { return LangText(249); }, "Alarm", "Alarm"},
                      EnglishCase{[] { return ProgramDialogText(2); }, "Communication False", "Communication False"},
                      EnglishCase{[] { return ProgramDialogText(5); }, "band difference\xA3\xAC" "continue?",
                                  "band difference，continue?"},
                      EnglishCase{[] { return PortDialogText(2); }, "Auto search COM port", "Auto search COM port"},
                      EnglishCase{[] { return AdjustmentDialogText(24); }, "Clear all data ?", "Clear all data ?"},
                      EnglishCase{[] { return NoticeOkText(); }, "OK", "OK"},
                      EnglishCase{[] { return MessagePattern(MessageId::PartlyWritten); },
                                  "The radio may now hold a partly written setup: write it again.",
                                  "The radio may now hold a partly written setup: write it again."}));

struct ChineseCase {
    std::function<std::string()> Lookup;
    const char* Simplified;   // UTF-8
    const char* Traditional;  // UTF-8
};

class ChineseTextTest : public ::testing::TestWithParam<ChineseCase> {};

TEST_P(ChineseTextTest, SimplifiedShowsAsWritten)
{
    ApplyLanguageSetting(LanguageSetting::SimplifiedChinese);
    EXPECT_EQ(DisplayText(GetParam().Lookup()), QString::fromUtf8(GetParam().Simplified));
}

TEST_P(ChineseTextTest, TraditionalShowsTraditionalCharacters)
{
    ApplyLanguageSetting(LanguageSetting::TraditionalChinese);
    EXPECT_EQ(DisplayText(GetParam().Lookup()), QString::fromUtf8(GetParam().Traditional));
}

INSTANTIATE_TEST_SUITE_P(
    Samples, ChineseTextTest,
    ::testing::Values(ChineseCase{[] { return LangText(7); }, "读频(&R)", "讀頻(&R)"},
                      ChineseCase{[] { return MessagePattern(MessageId::Connecting); }, "正在连接电台...",
                                  "正在連接電臺..."},
                      ChineseCase{[] { return LangText(8); }, "写频(&W)", "寫頻(&W)"},
                      ChineseCase{[] { return LangText(11); }, "中文(简体)(&S)", "中文(簡體)(&S)"},
                      ChineseCase{[] { return LangText(32); }, "关闭", "關閉"},
                      ChineseCase{[] { return LangText(149); }, "编码", "編碼"},
                      ChineseCase{[] { return LangText(155); }, "清除所有数据？", "清除所有數據？"},
                      ChineseCase{[] { return LangText(163); }, "版本：V3.2.0", "版本：V3.2.0"},
                      ChineseCase{[] { return LangText(169); }, "批量设置", "批量設置"},
                      ChineseCase{[] { return LangText(182); }, "未设定", "未設定"},
                      ChineseCase{[] { return ProgramDialogText(5); }, "频段不同，是否继续？", "頻段不同，是否繼續？"},
                      ChineseCase{[] { return PortDialogText(2); }, "自动查找通讯口", "自動查找通訊口"},
                      ChineseCase{[] { return AdjustmentDialogText(5); }, "写入", "寫入"},
                      ChineseCase{[] { return NoticeOkText(); }, "确认", "確認"}));

TEST(TextTableTest, EveryChineseTextHasAFullTraditionalForm)
{
    for (const NamedLookup& entry : AllEntries()) {
        ApplyLanguageSetting(LanguageSetting::SimplifiedChinese);
        const QString simplified = DisplayText(entry.Lookup());
        ApplyLanguageSetting(LanguageSetting::TraditionalChinese);
        const std::string big5 = entry.Lookup();
        const QString traditional = DisplayText(big5);

        ASSERT_EQ(traditional.size(), simplified.size()) << entry.Name;
        for (qsizetype i = 0; i < traditional.size(); ++i) {
            const QChar c = traditional[i];
            EXPECT_NE(c, WhiteSquare) << entry.Name;
            EXPECT_FALSE(IsPrivateUse(c)) << entry.Name;
            if (simplified[i].unicode() < 0x80) {
                EXPECT_EQ(c, simplified[i]) << entry.Name;
            } else {
                EXPECT_NE(c, QChar('?')) << entry.Name;
            }
        }
    }
}

TEST(TextTableTest, EveryTextHasBothVariants)
{
    for (const NamedLookup& entry : AllEntries()) {
        for (LanguageSetting setting : AllSettings) {
            ApplyLanguageSetting(setting);
            EXPECT_FALSE(entry.Lookup().empty()) << entry.Name << " setting " << int(setting);
        }
    }
}

TEST(TextTableTest, LanguageIsChosenAtEveryLookup)
{
    ApplyLanguageSetting(LanguageSetting::English);
    EXPECT_EQ(Tr(TextEntry::EnglishMenu), "&English");
    ApplyLanguageSetting(LanguageSetting::SimplifiedChinese);
    EXPECT_EQ(Tr(TextEntry::EnglishMenu), QString::fromUtf8("英文(&E)"));
    ApplyLanguageSetting(LanguageSetting::TraditionalChinese);
    EXPECT_EQ(DisplayText(LangText(12)), QString::fromUtf8("中文(繁體)(&T)"));
    ApplyLanguageSetting(LanguageSetting::English);
    EXPECT_EQ(DisplayText(LangText(12)), "Chinese(&Traditional)");
}

TEST(TextTableTest, SimplifiedAndTraditionalStartFromTheSameGbkText)
{
    ApplyLanguageSetting(LanguageSetting::SimplifiedChinese);
    const std::string gbk = LangText(162);
    ApplyLanguageSetting(LanguageSetting::TraditionalChinese);
    EXPECT_EQ(LangText(162), AppLang().FromGBK(gbk));
}

TEST(TextTableTest, EntriesOutsideTheTablesAreEmpty)
{
    for (LanguageSetting setting : AllSettings) {
        ApplyLanguageSetting(setting);
        EXPECT_EQ(LangText(-1), "");
        EXPECT_EQ(LangText(MainTextEntryCount), "");
        EXPECT_EQ(ProgramDialogText(7), "");
        EXPECT_EQ(PortDialogText(3), "");
        EXPECT_EQ(AdjustmentDialogText(7), "");
        EXPECT_EQ(AdjustmentDialogText(21), "");
        EXPECT_EQ(AdjustmentDialogText(25), "");
    }
}

// The display decodes what the conversion produces: every entry of the table must be one
// ordinary character for the Big5 decoder, or the documented white square.
TEST(TraditionalTableTest, EveryEntryDecodesToOneCharacter)
{
    int replaced = 0;
    for (size_t i = 0; i < TraditionalTableSize; ++i) {
        const uint16_t entry = TraditionalTable[i];
        const char big5[2] = {char(uint8_t(entry) ^ 0x80), char(entry >> 8)};
        const QString shown = QString::fromStdString(Big5ToUtf8(std::string_view(big5, 2)));
        ASSERT_EQ(shown.size(), 1) << "index " << i;
        EXPECT_NE(shown[0], QChar('?')) << "index " << i;
        EXPECT_FALSE(IsPrivateUse(shown[0])) << "index " << i;
        replaced += shown[0] == WhiteSquare;
    }
    // The 0x7F column alone gives one replacement per lead byte.
    EXPECT_GE(replaced, int(GbkLeadCount));
    EXPECT_LT(replaced, int(TraditionalTableSize) / 2);
}

TEST(TraditionalTableTest, Column7FHoldsTheReplacement)
{
    for (int lead = GbkLeadFirst; lead <= GbkLeadLast; ++lead)
        EXPECT_EQ(TraditionalTable[TraditionalTableIndex(uint8_t(lead), 0x7F)], 0xBC21) << "lead " << lead;
}

}
