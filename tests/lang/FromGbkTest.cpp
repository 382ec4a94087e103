#include <gtest/gtest.h>

#include <random>
#include <string>

#include "lang/AppLang.h"
#include "lang/SystemLanguage.h"

using namespace TTeskFuncs;

namespace {

// "关" in GBK and "關" in Big5.
const std::string GbkGuan = "\xB9\xD8";
const std::string Big5Guan = "\xC3\xF6";
// Big5's white square, which stands in for codes Big5 cannot express.
const std::string Big5Replacement = "\xA1\xBC";

TAppLang TraditionalLang() { return TAppLang(LangIdChineseTaiwan); }

struct ConversionCase {
    const char* Name;
    std::string Input;
    std::string Expected;
};

class TraditionalConversionTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(TraditionalConversionTest, ConvertsPairsAndCopiesEverythingElse)
{
    const TAppLang lang = TraditionalLang();
    ASSERT_EQ(lang.LangType(), LangTraditionalChinese);
    EXPECT_EQ(lang.FromGBK(GetParam().Input), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, TraditionalConversionTest,
    ::testing::Values(
        ConversionCase{"Empty", "", ""},
        ConversionCase{"AsciiOnly", "KR-T27 OK (&F) 438.50000", "KR-T27 OK (&F) 438.50000"},
        ConversionCase{"OnePair", GbkGuan, Big5Guan},
        ConversionCase{"PairsBetweenAscii", "A" + GbkGuan + "B" + GbkGuan, "A" + Big5Guan + "B" + Big5Guan},
        ConversionCase{"LoneLeadAtEnd", "A\xB9", "A\xB9"},
        ConversionCase{"LeadBeforeDigit", "\xB9" "1" + GbkGuan, "\xB9" "1" + Big5Guan},
        ConversionCase{"LeadBeforeSpace", "\xB9 ", "\xB9 "},
        // "构" B9 B9 pairs first and becomes "構" BA 63; the D8 left over is a lone byte.
        ConversionCase{"LeadBeforeLeadPairsWithIt", "\xB9" + GbkGuan, "\xBA\x63\xD8"},
        ConversionCase{"Byte80Alone", "\x80", "\x80"},
        ConversionCase{"ByteFFAlone", "\xFF", "\xFF"},
        ConversionCase{"Byte80BeforeTrailRangeByte", "\x80\x40", "\x80\x40"},
        ConversionCase{"ByteFFBeforePair", "\xFF" + GbkGuan, "\xFF" + Big5Guan},
        ConversionCase{"Byte80BeforePair", "\x80" + GbkGuan, "\x80" + Big5Guan},
        ConversionCase{"Column7FIsReplaced", "\xB9\x7F", Big5Replacement},
        ConversionCase{"UserDefinedCodeIsReplaced", "\xAA\xA1", Big5Replacement},
        ConversionCase{"EmbeddedZeroIsCopied", std::string("\xB9\0\x41", 3), std::string("\xB9\0\x41", 3)},
        ConversionCase{"FullWidthPunctuation", "\xA3\xAC\xA3\xBA\xA3\xBF", "\xA1\x41\xA1\x47\xA1\x48"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(FromGbkTest, LeadByteAtTheEndIsNotPairedWithWhatFollowsInMemory)
{
    const std::string buffer = "A" + GbkGuan;
    const std::string text = buffer.substr(0, 2);
    EXPECT_EQ(TraditionalLang().FromGBK(text), "A\xB9");
}

struct UnchangedCase {
    uint16_t SysLangId;
    int LangType;  // 0: keep the detected type
};

class UnchangedTest : public ::testing::TestWithParam<UnchangedCase> {};

TEST_P(UnchangedTest, ChineseTextComesBackByteForByte)
{
    TAppLang lang(GetParam().SysLangId);
    if (GetParam().LangType != 0)
        lang.fSetLangType(TLangType(GetParam().LangType));
    const std::string chinese = "\xBC\xF2\xCC\xE5\xD6\xD0\xCE\xC4" + GbkGuan + "\xB9";
    EXPECT_EQ(lang.FromGBK(chinese), chinese);
}

INSTANTIATE_TEST_SUITE_P(Types, UnchangedTest,
                         ::testing::Values(UnchangedCase{LangIdChinesePrc, 0}, UnchangedCase{LangIdEnglishUs, 0},
                                           UnchangedCase{LangIdChineseTaiwan, LangEnglish},
                                           UnchangedCase{LangIdChineseTaiwan, LangSimplifiedChinese},
                                           UnchangedCase{LangIdChineseTaiwan, 9}));

TEST(FromGbkTest, OutputAlwaysHasTheInputLength)
{
    const TAppLang lang = TraditionalLang();
    std::mt19937 random(27);
    std::uniform_int_distribution<int> byte(0, 255), length(0, 40);
    for (int round = 0; round < 2000; ++round) {
        std::string text(size_t(length(random)), '\0');
        for (char& c : text)
            c = char(byte(random));
        EXPECT_EQ(lang.FromGBK(text).size(), text.size());
    }
}

TEST(FromGbkTest, BytesOutsideLeadRangeAreNeverChanged)
{
    const TAppLang lang = TraditionalLang();
    for (int b = 0; b <= 0xFF; ++b) {
        if (b >= 0x81 && b <= 0xFE)
            continue;
        const std::string text(3, char(b));
        EXPECT_EQ(lang.FromGBK(text), text) << "byte " << b;
    }
}

}
