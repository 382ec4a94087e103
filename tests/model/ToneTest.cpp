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
    EXPECT_EQ(CtcssList().front().text, "Off");
    EXPECT_EQ(CtcssList()[1].text, "67.0");
    EXPECT_EQ(CtcssList().back().text, "254.1");
    EXPECT_EQ(DcsList()[0].text, "D023N");
    EXPECT_EQ(DcsList()[104].text, "D754N");
    EXPECT_EQ(DcsList()[105].text, "D023I");
    EXPECT_EQ(DcsList()[105].code, DcsList()[0].code);
    EXPECT_EQ(BatchToneList()[51].text, "D000N");
    EXPECT_EQ(BatchToneList()[59].text, "D010N");
    EXPECT_EQ(BatchToneList()[562].text, "D777N");
    EXPECT_EQ(BatchToneList()[563].text, "D000I");
    EXPECT_EQ(BatchToneList().back().text, "D777I");
}

TEST(ToneLists, EveryEntryRoundTripsThroughTextCodeAndBytes)
{
    for (const auto& entry : ChannelToneList())
        ExpectConsistent(entry);
    for (const auto& entry : BatchToneList())
        ExpectConsistent(entry);
}

}
