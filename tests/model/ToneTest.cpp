#include <gtest/gtest.h>

#include "model/Tone.h"
#include "model/ToneLists.h"

namespace {

TEST(ToneText, ParsesTheRadioTextForms)
{
    const struct {
        const char* text;
        bool ok;
        ToneType type;
        ToneCode code;
    } cases[] = {
        {"Off", true, ToneNone, 0xFFFF},
        {"D023N", true, ToneDcsNormal, 0x2813},
        {"D023I", true, ToneDcsInverted, 0x2813},
        {"D754N", true, ToneDcsNormal, 0x29EC},
        {"D000I", true, ToneDcsInverted, 0x2800},
        {"67.0", true, ToneCtcss, 670},
        {"88.5", true, ToneCtcss, 885},
        {"100.0", true, ToneCtcss, 1000},
        {"260.0", true, ToneCtcss, 2600},
        {"60.0", true, ToneCtcss, 600},
        {"99.9", true, ToneCtcss, 999},
        {"D028N", false, ToneNone, 0},
        {"X023N", false, ToneNone, 0},
        {"D02N", false, ToneNone, 0},
        {"54.0", false, ToneNone, 0},
        {"59.9", false, ToneNone, 0},
        {"260.1", false, ToneNone, 0},
        {"2600", false, ToneNone, 0},
        {"6..0", false, ToneNone, 0},
        {"", false, ToneNone, 0},
        {"off", false, ToneNone, 0},
        // Long runs of decimals are far out of range, however many digits they have.
        {"99.99999999999", false, ToneNone, 0},
        {"85.89935592", false, ToneNone, 0},
    };
    for (const auto& c : cases) {
        ToneType type = ToneType(0x55);
        ToneCode code = 0x1234;
        EXPECT_EQ(ParseToneText(c.text, type, code), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(type, c.type) << c.text;
            EXPECT_EQ(code, c.code) << c.text;
        } else {
            EXPECT_EQ(type, ToneType(0x55)) << "outputs untouched: " << c.text;
            EXPECT_EQ(code, 0x1234) << "outputs untouched: " << c.text;
        }
    }
}

TEST(ToneText, FormatsEveryType)
{
    EXPECT_EQ(FormatToneText(0xFFFF, ToneNone), "Off");
    EXPECT_EQ(FormatToneText(0, ToneDcsInverted), "Off");
    EXPECT_EQ(FormatToneText(0xFFFF, ToneCtcss), "Off");
    EXPECT_EQ(FormatToneText(670, ToneCtcss), "67.0");
    EXPECT_EQ(FormatToneText(1000, ToneCtcss), "100.0");
    EXPECT_EQ(FormatToneText(0x2813, ToneDcsNormal), "D023N");
    EXPECT_EQ(FormatToneText(0x2813, ToneDcsInverted), "D023I");
    EXPECT_EQ(FormatToneText(0xA813, ToneDcsInverted), "D023I");
}

TEST(ToneBytes, EncodeAndDecodeTheStoredForm)
{
    const struct {
        ToneType type;
        ToneCode code;
        std::array<uint8_t, 2> bytes;
        ToneType decodedType;
        ToneCode decodedCode;
    } cases[] = {
        {ToneDcsInverted, 0x2813, {0x13, 0xA8}, ToneDcsInverted, 0x2813},
        {ToneDcsNormal, 0x2813, {0x13, 0x28}, ToneDcsNormal, 0x2813},
        {ToneDcsNormal, 0x29EC, {0xEC, 0x29}, ToneDcsNormal, 0x29EC},
        {ToneCtcss, 670, {0x9E, 0x02}, ToneCtcss, 670},
        {ToneNone, 0xFFFF, {0xFF, 0xFF}, ToneNone, 0},
        {ToneNone, 0, {0x00, 0x00}, ToneNone, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeTone(c.type, c.code), c.bytes) << c.code;
        ToneType type;
        ToneCode code;
        DecodeTone(c.bytes.data(), type, code);
        EXPECT_EQ(type, c.decodedType) << c.code;
        EXPECT_EQ(code, c.decodedCode) << c.code;
    }
}

// Text, code and stored bytes must agree for every choice a user can make.
void ExpectConsistent(const ToneListEntry& entry)
{
    ToneType type;
    ToneCode code;
    ASSERT_TRUE(ParseToneText(entry.text, type, code)) << entry.text;
    EXPECT_EQ(type, entry.type) << entry.text;
    if (entry.type != ToneNone) {
        EXPECT_EQ(code, entry.code) << entry.text;
    }
    const auto bytes = EncodeTone(type, code);
    ToneType decodedType;
    ToneCode decodedCode;
    DecodeTone(bytes.data(), decodedType, decodedCode);
    EXPECT_EQ(decodedType, type) << entry.text;
    EXPECT_EQ(FormatToneText(decodedCode, decodedType), entry.text);
}

TEST(ToneLists, HaveTheDocumentedShape)
{
    ASSERT_EQ(CtcssList().size(), 51u);
    ASSERT_EQ(DcsList().size(), 210u);
    ASSERT_EQ(ChannelToneList().size(), 261u);
    ASSERT_EQ(BatchToneList().size(), 1075u);
    EXPECT_EQ(DcsList()[105].code, DcsList()[0].code);
    EXPECT_EQ(BatchToneList()[51].text, "D000N");
    EXPECT_EQ(BatchToneList()[59].text, "D010N");
    EXPECT_EQ(BatchToneList()[562].text, "D777N");
    EXPECT_EQ(BatchToneList()[563].text, "D000I");
    EXPECT_EQ(BatchToneList().back().text, "D777I");
}

std::string JoinedTexts(const std::vector<ToneListEntry>& list, size_t first, size_t count)
{
    std::string joined;
    for (size_t i = first; i < first + count; ++i)
        joined += (joined.empty() ? "" : " ") + list[i].text;
    return joined;
}

// The choice lists in the order the radio's users know them, as text.
TEST(ToneLists, HoldTheStandardTonesInTheirUsualOrder)
{
    EXPECT_EQ(JoinedTexts(CtcssList(), 0, 51),
              "Off 67.0 69.3 71.9 74.4 77.0 79.7 82.5 85.4 88.5 91.5 94.8 97.4 100.0 103.5 107.2 110.9 114.8 118.8 "
              "123.0 127.3 131.8 136.5 141.3 146.2 151.4 156.7 159.8 162.2 165.5 167.9 171.3 173.8 177.3 179.9 "
              "183.5 186.2 189.9 192.8 196.6 199.5 203.5 206.5 210.7 218.1 225.7 229.1 233.6 241.8 250.3 254.1");
    const std::string codes =
        "023 025 026 031 032 036 043 047 051 053 054 065 071 072 073 074 114 115 116 122 125 131 132 134 143 145 "
        "152 155 156 162 165 172 174 205 212 223 225 226 243 244 245 246 251 252 255 261 263 265 266 271 274 306 "
        "311 315 325 331 332 343 346 351 356 364 365 371 411 412 413 423 431 432 445 446 452 454 455 462 464 465 "
        "466 503 506 516 523 526 532 546 565 606 612 624 627 631 632 645 654 662 664 703 712 723 731 732 734 743 "
        "754";
    std::string normal, inverted;
    for (size_t at = 0; at < codes.size(); at += 4) {
        normal += (normal.empty() ? "D" : " D") + codes.substr(at, 3) + "N";
        inverted += (inverted.empty() ? "D" : " D") + codes.substr(at, 3) + "I";
    }
    EXPECT_EQ(JoinedTexts(DcsList(), 0, 105), normal);
    EXPECT_EQ(JoinedTexts(DcsList(), 105, 105), inverted);
}

TEST(ToneLists, EveryEntryRoundTripsThroughTextCodeAndBytes)
{
    for (const auto& entry : ChannelToneList())
        ExpectConsistent(entry);
    for (const auto& entry : BatchToneList())
        ExpectConsistent(entry);
}

}
