#include <gtest/gtest.h>

#include "lang/AppLang.h"
#include "lang/OptionTexts.h"
#include "text/GbkEncoding.h"

namespace {

void ExpectNamed(const char* name, const char* what)
{
    EXPECT_TRUE(TextEntryNamed(name)) << what << ": " << name;
    EXPECT_FALSE(NamedText(name).empty()) << what << ": " << name;
}

TEST(OptionTexts, EveryNameOfTheOptionTableHasItsText)
{
    ApplyLanguageSetting(LanguageSetting::English);
    for (const OptionField& f : OptionFields()) {
        ExpectNamed(f.label, f.name);
        for (const Choice& c : f.choices)
            if (c.label.kind == ChoiceLabelKind::Entry)
                ExpectNamed(c.label.text.c_str(), f.name);
    }
    for (const DtmfCodeField& f : DtmfCodeFields())
        ExpectNamed(f.label, f.name);
    EXPECT_FALSE(TextEntryNamed("NoSuchEntry"));
}

TEST(OptionTexts, ListsReadAsTheirEditorsShowThemInEachLanguage)
{
    const struct {
        LanguageSetting language;
        const char* field;
        size_t index;
        const char* text;  // UTF-8
    } cases[] = {
        {LanguageSetting::English, "VoxDelay", 0, "0.5 S"},
        {LanguageSetting::SimplifiedChinese, "VoxDelay", 5, "3.0 秒"},
        {LanguageSetting::English, "Tot", 1, "30s"},
        {LanguageSetting::English, "AutoReset", 0, "OFF"},
        {LanguageSetting::English, "AutoReset", 255, "255"},
        {LanguageSetting::English, "GroupCode", 6, "#"},
        {LanguageSetting::English, "Key1Long", 2, "SQL Indicator"},
        {LanguageSetting::SimplifiedChinese, "Voice", 1, "中文"},
    };
    for (const auto& c : cases) {
        ApplyLanguageSetting(c.language);
        const std::vector<std::string> texts = ChoiceTexts(*FindOptionField(c.field));
        ASSERT_LT(c.index, texts.size()) << c.field;
        EXPECT_EQ(GbkToUtf8(texts[c.index]), c.text) << c.field << " " << c.index;
    }
    ApplyLanguageSetting(LanguageSetting::English);
}

}
