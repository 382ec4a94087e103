#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "IconvConverter.h"
#include "text/Big5Encoding.h"
#include "text/GbkEncoding.h"

// The tables were generated from glibc's iconv; this reads every code through both again.

namespace {

constexpr char32_t LastCharacter = 0x10FFFF;
constexpr char32_t FirstSurrogate = 0xD800;
constexpr char32_t LastSurrogate = 0xDFFF;
// glibc drops the language tags U+E0000-U+E007F when it encodes; the codec refuses them, as it
// refuses every other character GBK cannot hold.
constexpr char32_t FirstTag = 0xE0000;
constexpr char32_t LastTag = 0xE007F;

std::string Utf8(char32_t c)
{
    static IconvConverter toUtf8("UTF-8", "UTF-32LE");
    const char units[4] = {char(c & 0xFF), char((c >> 8) & 0xFF), char((c >> 16) & 0xFF), char(c >> 24)};
    return *toUtf8.Convert(std::string(units, 4));
}

struct Decoder {
    const char* IconvName;
    std::function<std::string(std::string_view)> Decode;
};

class GlibcDecodingTest : public ::testing::TestWithParam<Decoder> {};

// Every single byte and every pair of bytes: all double-byte codes, and the "?" of a byte that
// starts none, before ASCII and before another high byte.
TEST_P(GlibcDecodingTest, EveryByteAndPairOfBytesReadsTheSame)
{
    const IconvConverter glibc("UTF-8", GetParam().IconvName);
    ASSERT_TRUE(glibc.IsOpen());
    for (unsigned first = 0; first <= 0xFF; ++first) {
        const std::string single(1, char(first));
        ASSERT_EQ(GetParam().Decode(single), glibc.ConvertMarkingUnknown(single)) << std::hex << first;
        for (unsigned second = 0; second <= 0xFF; ++second) {
            const std::string pair{char(first), char(second)};
            ASSERT_EQ(GetParam().Decode(pair), glibc.ConvertMarkingUnknown(pair)) << std::hex << first << ' ' << second;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Encodings, GlibcDecodingTest,
    ::testing::Values(Decoder{"GBK", GbkToUtf8}, Decoder{"BIG5", Big5ToUtf8}),
    [](const auto& info) { return std::string(info.param.IconvName); });

TEST(GlibcEncodingTest, EveryCharacterEncodesTheSame)
{
    const IconvConverter glibc("GBK", "UTF-8");
    ASSERT_TRUE(glibc.IsOpen());
    for (char32_t c = 1; c <= LastCharacter; ++c) {
        if (c >= FirstSurrogate && c <= LastSurrogate)
            continue;
        const std::string utf8 = Utf8(c);
        const bool tag = c >= FirstTag && c <= LastTag;
        ASSERT_EQ(TryUtf8ToGbk(utf8), tag ? std::nullopt : glibc.Convert(utf8)) << std::hex << unsigned(c);
    }
}

TEST(GlibcEncodingTest, RefusesWhatGlibcFindsNoUtf8)
{
    const IconvConverter glibc("GBK", "UTF-8");
    for (const char* text : {"\xC0\x80", "\xC1\x81", "\xE0\x80\x81", "\xED\xA0\x80", "\xED\xBF\xBF",
             "\xF0\x80\x80\x81", "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\xE4\xB8", "\xB8", "\xFE"}) {
        EXPECT_EQ(glibc.Convert(text), std::nullopt) << text;
        EXPECT_EQ(TryUtf8ToGbk(text), std::nullopt) << text;
    }
}

}
