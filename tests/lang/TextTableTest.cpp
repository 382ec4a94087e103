#include <gtest/gtest.h>

#include "lang/AppLang.h"
#include "lang/TextTable.h"

namespace {

TEST(TextTableTest, SimplifiedChineseIsGbk)
{
    ApplyLanguageSetting(1);
    EXPECT_EQ(LangText(11), "\xD6\xD0\xCE\xC4(\xBC\xF2\xCC\xE5)(&S)");
    EXPECT_EQ(Tr(11), QString::fromUtf8("中文(简体)(&S)"));
}

TEST(TextTableTest, EnglishFullWidthCommaShowsAsInChinese)
{
    ApplyLanguageSetting(0);
    EXPECT_EQ(DisplayText(ProgramDialogText(5)), QString::fromUtf8("band difference，continue?"));
}

}
