#include <gtest/gtest.h>

#include "lang/RecordText.h"
#include "model/RadioSettings.h"
#include "model/TypingRules.h"

namespace {

TEST(NameText, FitsSixBytesOfTheRecordEvenForChineseNames)
{
    const struct {
        const char* typed;
        const char* kept;
    } cases[] = {{"ABCDEF", "ABCDEF"}, {"ABCDEFG", "ABCDEF"}, {"对讲机组", "对讲机"}, {"A对讲机", "A对讲"}};
    for (const auto& c : cases)
        EXPECT_EQ(CorrectedText(c.typed, CorrectNameText), c.kept) << c.typed;
}

TEST(NameText, RoundTripsThroughTheRecordBytes)
{
    uint8_t bytes[NameCapacity];
    StoreRecordText(NameEntry("对讲机", NameCapacity).value, bytes, sizeof bytes);
    EXPECT_EQ(RecordTextUtf8(bytes, sizeof bytes), "对讲机");
    StoreRecordText(NameEntry("AB", NameCapacity).value, bytes, sizeof bytes);
    EXPECT_EQ(bytes[2], 0);
    EXPECT_EQ(RecordTextUtf8(bytes, sizeof bytes), "AB");
}

TEST(NameText, SaysWhenCharactersCouldNotBeKept)
{
    const struct {
        const char* typed;
        const char* gbk;
        const char* shown;
        EntryOutcome outcome;
    } cases[] = {
        {"对讲机", "\xB6\xD4\xBD\xB2\xBB\xFA", "对讲机", EntryOutcome::Accepted},
        {"€1", "\x80" "1", "€1", EntryOutcome::Accepted},
        {"对讲机组", "\xB6\xD4\xBD\xB2\xBB\xFA", "对讲机", EntryOutcome::CharactersDropped},
        {"AB对讲机", "AB\xB6\xD4\xBD\xB2", "AB对讲", EntryOutcome::CharactersDropped},
        {"a😀b", "a?b", "a?b", EntryOutcome::CharactersDropped},
        // A private-use character has no GBK code, whatever some converters make of it.
        {"对\uE000", "\xB6\xD4?", "对?", EntryOutcome::CharactersDropped},
        {"", "", "", EntryOutcome::Accepted},
    };
    for (const auto& c : cases) {
        const Entered<std::string> entered = NameEntry(c.typed, NameCapacity);
        EXPECT_EQ(entered.value, c.gbk) << c.typed;
        EXPECT_EQ(entered.stored, c.shown) << c.typed;
        EXPECT_EQ(entered.outcome, c.outcome) << c.typed;
    }
}

}
