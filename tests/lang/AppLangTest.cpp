#include <gtest/gtest.h>

#include "lang/AppLang.h"
#include "lang/SystemLanguage.h"

using namespace TTeskFuncs;

namespace {

struct DetectionCase {
    uint16_t SysLangId;
    TLangType Expected;
};

class DetectionTest : public ::testing::TestWithParam<DetectionCase> {};

TEST_P(DetectionTest, SystemLanguageDecidesTypeOnConstruction)
{
    const TAppLang lang(GetParam().SysLangId);
    EXPECT_EQ(lang.LangType(), GetParam().Expected);
    EXPECT_EQ(lang.DetectType(), DetectFromSystem);
    EXPECT_EQ(lang.SysLangID(), GetParam().SysLangId);
}

TEST_P(DetectionTest, DetectFromSystemRestoresSystemTypeAfterExplicitChoice)
{
    TAppLang lang(GetParam().SysLangId);
    lang.fSetLangType(TLangType(99));
    lang.fSetDetectType(DetectFromSystem);
    EXPECT_EQ(lang.LangType(), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Languages, DetectionTest,
                         ::testing::Values(DetectionCase{LangIdChinesePrc, LangSimplifiedChinese},
                                           DetectionCase{LangIdChineseSingapore, LangSimplifiedChinese},
                                           DetectionCase{LangIdChineseTaiwan, LangTraditionalChinese},
                                           DetectionCase{LangIdChineseHongKong, LangTraditionalChinese},
                                           DetectionCase{LangIdChineseMacau, LangTraditionalChinese},
                                           DetectionCase{LangIdChineseOther, LangTraditionalChinese},
                                           DetectionCase{0x0407, LangEnglish},  // German
                                           DetectionCase{LangIdEnglishUs, LangEnglish},
                                           DetectionCase{0x0411, LangEnglish},  // Japanese
                                           DetectionCase{LangIdNeutral, LangEnglish}));

TEST(AppLangTest, ExplicitTypeMarksDetectionExplicit)
{
    TAppLang lang(LangIdChineseTaiwan);
    lang.fSetLangType(LangEnglish);
    EXPECT_EQ(lang.LangType(), LangEnglish);
    EXPECT_EQ(lang.DetectType(), DetectExplicit);
}

TEST(AppLangTest, DetectExplicitKeepsTheChosenType)
{
    TAppLang lang(LangIdChineseTaiwan);
    lang.fSetLangType(LangSimplifiedChinese);
    lang.fSetDetectType(DetectExplicit);
    EXPECT_EQ(lang.LangType(), LangSimplifiedChinese);
    EXPECT_EQ(lang.DetectType(), DetectExplicit);
}

struct SettingCase {
    int Setting;
    TLangType Expected;
    TDetectType Detect;
};

class ApplySettingTest : public ::testing::TestWithParam<SettingCase> {};

TEST_P(ApplySettingTest, SettingFileChoiceMapsOntoLanguageType)
{
    ApplyLanguageSetting(LanguageSetting(GetParam().Setting));
    EXPECT_EQ(AppLang().DetectType(), GetParam().Detect);
    if (GetParam().Detect == DetectExplicit)
        EXPECT_EQ(AppLang().LangType(), GetParam().Expected);
    else
        EXPECT_EQ(AppLang().LangType(), TAppLang(AppLang().SysLangID()).LangType());
}

INSTANTIATE_TEST_SUITE_P(Settings, ApplySettingTest,
                         ::testing::Values(SettingCase{0, LangEnglish, DetectExplicit},
                                           SettingCase{1, LangSimplifiedChinese, DetectExplicit},
                                           SettingCase{2, LangTraditionalChinese, DetectExplicit},
                                           SettingCase{7, LangEnglish, DetectFromSystem},
                                           SettingCase{-1, LangEnglish, DetectFromSystem}));

}
