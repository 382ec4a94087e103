#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "lang/AppLang.h"
#include "lang/SystemLanguage.h"

using namespace TTeskFuncs;

namespace {

struct LocaleCase {
    const char* Locale;
    uint16_t Expected;
};

class LocaleTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleTest, LocaleNameGivesWindowsStyleIdentifier)
{
    EXPECT_EQ(LanguageIdOfLocale(GetParam().Locale), GetParam().Expected) << GetParam().Locale;
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleTest,
                         ::testing::Values(LocaleCase{"zh_CN.UTF-8", LangIdChinesePrc},
                                           LocaleCase{"zh_CN.GB18030", LangIdChinesePrc},
                                           LocaleCase{"zh_SG", LangIdChineseSingapore},
                                           LocaleCase{"zh_TW.UTF-8", LangIdChineseTaiwan},
                                           LocaleCase{"zh_HK.big5hkscs", LangIdChineseHongKong},
                                           LocaleCase{"zh_MO", LangIdChineseMacau},
                                           LocaleCase{"zh", LangIdChineseOther},
                                           LocaleCase{"de_DE.UTF-8", 0x0407},
                                           LocaleCase{"de_AT@euro", 0x0407},
                                           LocaleCase{"en_GB.UTF-8", LangIdEnglishUs},
                                           LocaleCase{"C", LangIdEnglishUs},
                                           LocaleCase{"C.UTF-8", LangIdEnglishUs},
                                           LocaleCase{"POSIX", LangIdEnglishUs},
                                           LocaleCase{"", LangIdEnglishUs},
                                           LocaleCase{"xx_YY", LangIdNeutral},
                                           LocaleCase{"zhx_CN", LangIdNeutral}));

// Sets the three locale variables for one test and restores them afterwards.
class LocaleEnvironment : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : Names) {
            const char* value = std::getenv(name);
            Saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    void TearDown() override
    {
        for (size_t i = 0; i < Names.size(); ++i)
            Set(Names[i], Saved_[i] ? Saved_[i]->c_str() : nullptr);
    }
    static void Set(const char* name, const char* value)
    {
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }

    static constexpr std::array<const char*, 3> Names = {"LC_ALL", "LC_MESSAGES", "LANG"};

private:
    std::vector<std::optional<std::string>> Saved_;
};

TEST_F(LocaleEnvironment, LcAllWinsOverTheOthers)
{
    Set("LC_ALL", "zh_TW.UTF-8");
    Set("LC_MESSAGES", "de_DE.UTF-8");
    Set("LANG", "zh_CN.UTF-8");
    EXPECT_EQ(SystemLanguageId(), LangIdChineseTaiwan);
}

TEST_F(LocaleEnvironment, EmptyVariablesAreSkipped)
{
    Set("LC_ALL", "");
    Set("LC_MESSAGES", nullptr);
    Set("LANG", "zh_SG.UTF-8");
    EXPECT_EQ(SystemLanguageId(), LangIdChineseSingapore);
}

TEST_F(LocaleEnvironment, LcMessagesBeforeLang)
{
    Set("LC_ALL", nullptr);
    Set("LC_MESSAGES", "de_DE.UTF-8");
    Set("LANG", "zh_CN.UTF-8");
    EXPECT_EQ(SystemLanguageId(), 0x0407);
}

TEST_F(LocaleEnvironment, NoLocaleAtAllIsEnglish)
{
    for (const char* name : Names)
        Set(name, nullptr);
    EXPECT_EQ(TAppLang(SystemLanguageId()).LangType(), LangEnglish);
}

}
