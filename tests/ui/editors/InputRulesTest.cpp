#include <gtest/gtest.h>

#include "ui/editors/InputRules.h"
#include "ui/editors/NameText.h"

namespace {

struct CorrectionCase {
    const char* typed;
    const char* kept;
};

void ExpectCorrections(TextCorrection correct, std::initializer_list<CorrectionCase> cases)
{
    for (const auto& c : cases)
        EXPECT_EQ(CorrectedText(QString::fromUtf8(c.typed), correct), QString::fromUtf8(c.kept)) << c.typed;
}

TEST(FrequencyText, KeepsNineCharactersAndTheFirstPoint)
{
    ExpectCorrections(CorrectFrequencyText, {
        {"", ""}, {".", ""}, {"435.125", "435.125"}, {"435.1.25", "435.125"}, {"4..3.5", "4.35"},
        {"1234567890", "123456789"}, {"435.123456789", "435.12345"}, {".5", ".5"},
    });
}

TEST(BatchFrequencyText, TakesThePointOnlyAsTheFourthCharacter)
{
    ExpectCorrections(CorrectBatchFrequencyText, {
        {"", ""}, {"435.12500", "435.12500"}, {"43.", "43"}, {"435.", "435."}, {"4355", "4355"},
        {"435.125001", "435.12500"}, {"435.1.", "435.1"}, {"a", ""},
    });
}

TEST(ShortTexts, LoseTheirLastCharacterPastTheirLength)
{
    ExpectCorrections(CorrectToneText, {{"D023N", "D023N"}, {"D023N1", "D023N"}, {"100.05", "100.0"}});
    ExpectCorrections(CorrectDtmfText, {{"0123456789", "0123456789"}, {"0123456789A", "0123456789"}});
}

TEST(NameText, FitsSixBytesOfTheRecordEvenForChineseNames)
{
    ExpectCorrections(CorrectNameText, {{"ABCDEF", "ABCDEF"}, {"ABCDEFG", "ABCDEF"}, {"对讲机组", "对讲机"}, {"A对讲机", "A对讲"}});
}

TEST(NameText, RoundTripsThroughTheRecordBytes)
{
    uint8_t bytes[6];
    StoreName(QString::fromUtf8("对讲机"), bytes, sizeof bytes);
    EXPECT_EQ(NameFromBytes(bytes, sizeof bytes), QString::fromUtf8("对讲机"));
    StoreName("AB", bytes, sizeof bytes);
    EXPECT_EQ(bytes[2], 0);
    EXPECT_EQ(NameFromBytes(bytes, sizeof bytes), "AB");
    // A private-use character has no GBK code, whatever some converters make of it.
    StoreName(QString::fromUtf8("对\uE000"), bytes, sizeof bytes);
    EXPECT_EQ(NameFromBytes(bytes, sizeof bytes), QString::fromUtf8("对?"));
}

struct CharacterCase {
    char typed;
    std::optional<char> becomes;
};

void ExpectCharacters(TypedCharacterRule rule, std::initializer_list<CharacterCase> cases)
{
    for (const auto& c : cases) {
        const auto result = rule(QLatin1Char(c.typed));
        ASSERT_EQ(result.has_value(), c.becomes.has_value()) << c.typed;
        if (result) {
            EXPECT_EQ(*result, QLatin1Char(*c.becomes)) << c.typed;
        }
    }
}

TEST(TypedCharacters, EachBoxLetsThroughWhatItsFieldCanHold)
{
    ExpectCharacters(GridFrequencyCharacter, {{'0', '0'}, {'9', '9'}, {'.', '.'}, {',', {}}, {'a', {}}, {' ', {}}});
    ExpectCharacters(ToneCharacter, {{'d', 'D'}, {'n', 'N'}, {'i', 'I'}, {'I', 'I'}, {'7', '7'}, {'.', '.'}, {'x', {}},
                                     {'O', {}}});
    ExpectCharacters(DtmfCharacter, {{'a', 'A'}, {'d', 'D'}, {'*', '*'}, {'#', '#'}, {'e', {}}, {'E', {}}, {'.', {}}});
    ExpectCharacters(BatchFrequencyCharacter, {{'5', '5'}, {'.', '.'}, {'/', {}}, {':', {}}, {'~', {}}});
    EXPECT_EQ(BatchFrequencyCharacter(QChar(0x00E9)), QChar(0x00E9)) << "codes of 128 and above pass";
    EXPECT_FALSE(GridFrequencyCharacter(QChar(0x00E9)));
}

}
