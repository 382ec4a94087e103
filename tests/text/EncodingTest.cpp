#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "text/Big5Encoding.h"
#include "text/DoubleByteTable.h"
#include "text/GbkEncoding.h"

namespace {

struct Decoding {
    const char* Name;
    std::string Bytes;
    std::string Utf8;
};

class GbkDecodingTest : public ::testing::TestWithParam<Decoding> {};

TEST_P(GbkDecodingTest, ReadsAsGlibcDoes) { EXPECT_EQ(GbkToUtf8(GetParam().Bytes), GetParam().Utf8); }

INSTANTIATE_TEST_SUITE_P(
    Bytes, GbkDecodingTest,
    ::testing::Values(Decoding{"Chinese", "\xBC\xF2\xCC\xE5\xD6\xD0\xCE\xC4", "简体中文"},
        Decoding{"AsciiBetweenPairs", "A\xD6\xD0" "1", "A中1"}, Decoding{"Byte80IsTheEuroSign", "\x80", "€"},
        Decoding{"ByteFFStartsNothing", "a\xFF" "b", "a?b"}, Decoding{"LeadAtTheEnd", "\xD6", "?"},
        Decoding{"LeadBeforeDigit", "\x81" "0", "?0"}, Decoding{"Column7F", "\xB9\x7F", "?\x7F"},
        // Without a character the lead is marked, and its trail may start the next pair.
        Decoding{"UserDefinedCode", "\xAA\xA1\xA1", "?\xE3\x80\x80"},
        Decoding{"UnassignedCode", "\xA2\xA0", "??"}),
    [](const auto& info) { return info.param.Name; });

TEST(GbkEncodingTest, EveryCharacterEncodesBackToItsCode)
{
    int characters = 0;
    for (unsigned lead = GbkLayout.LeadFirst; lead <= GbkLayout.LeadLast; ++lead) {
        for (unsigned trail = GbkLayout.TrailFirst; trail <= GbkLayout.TrailLast; ++trail) {
            const std::string code{char(lead), char(trail)};
            const std::string utf8 = GbkToUtf8(code);
            if (utf8.front() == '?')
                continue;
            ++characters;
            EXPECT_EQ(TryUtf8ToGbk(utf8), code) << std::hex << lead << ' ' << trail;
        }
    }
    EXPECT_EQ(characters, 21791);
    EXPECT_EQ(TryUtf8ToGbk("€ A"), "\x80 A");
}

TEST(GbkEncodingTest, RefusesWhatIsNotUtf8OrHasNoGbkForm)
{
    const char* refused[] = {"한", "😀", "\xEE\x80\x80" /* U+E000, user-defined in some GBK tables */,
        "\xF3\xA0\x80\x81" /* a language tag */, "\xC1\x81" /* overlong 'A' */, "\xE0\x80\x81",
        "\xED\xA0\x80" /* a surrogate */, "\xF4\x90\x80\x80" /* past U+10FFFF */, "\xE4\xB8" /* cut */, "\x80",
        "\xFF"};
    for (const char* text : refused) {
        EXPECT_EQ(TryUtf8ToGbk(std::string("A") + text), std::nullopt) << text;
        EXPECT_THROW(Utf8ToGbk(text), std::runtime_error) << text;
    }
    EXPECT_EQ(Utf8ToGbk(std::string("\0中", 4)), std::string("\0\xD6\xD0", 3));
}

TEST(Big5EncodingTest, ReadsTheTraditionalTexts)
{
    EXPECT_EQ(Big5ToUtf8("\xC3\xF6\xB3\xAC A"), "關閉 A");
    EXPECT_EQ(Big5ToUtf8("\xA1\xBC"), "□");
    EXPECT_EQ(Big5ToUtf8("\xA2\x44"), "￥");
    EXPECT_EQ(Big5ToUtf8("\xFF\xA3\xC0"), "???");
}

}
