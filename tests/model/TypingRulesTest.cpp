#include <gtest/gtest.h>

#include <string_view>

#include "model/TypingRules.h"

namespace {

struct CorrectionCase {
    const char* typed;
    const char* kept;
};

void ExpectCorrections(TextCorrection correct, std::initializer_list<CorrectionCase> cases)
{
    for (const auto& c : cases)
        EXPECT_EQ(CorrectedText(c.typed, correct), c.kept) << c.typed;
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
        {"435.125001", "435.12500"}, {"435.1.", "435.1"}, {"a", ""}, {"43é", "43"}, {"435.é", "435."},
    });
}

TEST(ShortTexts, LoseTheirLastCharacterPastTheirLength)
{
    ExpectCorrections(CorrectToneText, {{"D023N", "D023N"}, {"D023N1", "D023N"}, {"100.05", "100.0"}});
    ExpectCorrections(CorrectDtmfText, {{"0123456789", "0123456789"}, {"0123456789A", "0123456789"}});
}

struct CharacterCase {
    char32_t typed;
    std::optional<char32_t> becomes;
};

void ExpectCharacters(TypedCharacterRule rule, std::initializer_list<CharacterCase> cases)
{
    for (const auto& c : cases)
        EXPECT_EQ(rule(c.typed), c.becomes) << char(c.typed);
}

TEST(TypedCharacters, EachBoxLetsThroughWhatItsFieldCanHold)
{
    ExpectCharacters(GridFrequencyCharacter, {{'0', '0'}, {'9', '9'}, {'.', '.'}, {',', {}}, {'a', {}}, {' ', {}}});
    ExpectCharacters(ToneCharacter, {{'d', 'D'}, {'n', 'N'}, {'i', 'I'}, {'I', 'I'}, {'7', '7'}, {'.', '.'}, {'x', {}},
                                     {'O', {}}});
    ExpectCharacters(DtmfCharacter, {{'a', 'A'}, {'d', 'D'}, {'*', '*'}, {'#', '#'}, {'e', {}}, {'E', {}}, {'.', {}}});
    ExpectCharacters(BatchFrequencyCharacter, {{'5', '5'}, {'.', '.'}, {'/', {}}, {':', {}}, {'~', {}}});
    EXPECT_EQ(BatchFrequencyCharacter(0x00E9), char32_t(0x00E9)) << "codes of 128 and above pass";
    EXPECT_FALSE(GridFrequencyCharacter(0x00E9));
}


// A key or a paste: the filter judges each character, the change rule then the whole text.
TEST(TypedText, IsWhatTheBoxHoldsAfterOneChange)
{
    const struct {
        std::string_view typed;
        TypedCharacterRule rule;
        TextCorrection correct;
        const char* holds;
    } cases[] = {
        {"12ab*#x", DtmfCharacter, CorrectDtmfText, "12AB*#"},
        {"0123456789AB", DtmfCharacter, CorrectDtmfText, "0123456789"},
        {"435.12500", BatchFrequencyCharacter, CorrectBatchFrequencyText, "435.12500"},
        {"43.", BatchFrequencyCharacter, CorrectBatchFrequencyText, "43"},
        {"0.0.125", BatchFrequencyCharacter, CorrectFrequencyText, "0.0125"},
        {"1\xff" "2", DtmfCharacter, CorrectDtmfText, "12"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TypedText(c.typed, c.rule, c.correct), c.holds) << c.typed;
}

}

TEST(TypedCharacters, AWholeTextPassesAsIfTypedKeyByKey)
{
    const struct {
        TypedCharacterRule rule;
        const char* typed;
        const char* kept;
    } cases[] = {
        {GridFrequencyCharacter, "4a3.5 MHz", "43.5"},
        {ToneCharacter, "d023n", "D023N"},
        {ToneCharacter, "\t6é7", "\t67"},
        {DtmfCharacter, "12\xFF" "ab", "12AB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilteredText(c.typed, c.rule), c.kept) << c.typed;
}
