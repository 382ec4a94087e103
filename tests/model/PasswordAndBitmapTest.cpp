#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "model/DtmfDigits.h"
#include "model/Password.h"
#include "model/RadioSettings.h"

namespace {

std::array<uint8_t, 16> Reported(std::vector<uint8_t> head, uint8_t fill = 0xFF)
{
    std::array<uint8_t, 16> r;
    r.fill(fill);
    std::copy(head.begin(), head.end(), r.begin());
    return r;
}

RadioSettings WithPassword(const char* text)
{
    RadioSettings s{};
    std::strncpy(reinterpret_cast<char*>(s.Password), text, PasswordMaxLength);
    return s;
}

TEST(PasswordLink, SwapsNibblesOfTheHighBitSetCharacter)
{
    const uint8_t abc[] = {'a', 'b', 'c', 0};
    EXPECT_EQ(EncodePassword(abc), (std::vector<uint8_t>{0x1E, 0x2E, 0x3E}));
    const uint8_t digits[] = {'1', '2', 0xFF, '3'};
    EXPECT_EQ(EncodePassword(digits), (std::vector<uint8_t>{0x1B, 0x2B}));
    const uint8_t seventeen[] = "ABCDEFGHIJKLMNOPQ";
    EXPECT_EQ(PasswordLength(seventeen, sizeof seventeen), 16u);
}

TEST(PasswordLink, MatchesTheModelPassword)
{
    const struct {
        const char* model;
        std::array<uint8_t, 16> reported;
        bool matches;
    } cases[] = {
        {"abc", Reported({0x1E, 0x2E, 0x3E}), true},
        {"abd", Reported({0x1E, 0x2E, 0x3E}), false},
        {"abcd", Reported({0x1E, 0x2E, 0x3E}), false},
        {"", Reported({0x1E, 0x2E, 0x3E}), false},
        {"anything", Reported({}, 0xFF), true},
        {"anything", Reported({}, 0x00), true},
        {"", Reported({0xFF, 0x1E}), true},
        {"", Reported({0x00, 0x1E}), true},
        {"abc", Reported({0x1E, 0x2E, 0x3E}, 0x00), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithPassword(c.model).PasswordMatches(c.reported.data()), c.matches) << c.model;
}

TEST(PasswordText, SixteenPrintableAsciiCharactersAtMostAreStoredTerminated)
{
    const struct {
        std::string text;
        bool taken;
    } cases[] = {
        {"", true}, {"Az09 ~!", true}, {std::string(16, 'x'), true}, {std::string(17, 'x'), false},
        {"tab\t", false}, {"\x7F", false}, {"caf\xC3\xA9", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPasswordText(c.text), c.taken) << c.text;

    RadioSettings s{};
    StorePasswordText(s.Password, std::string(16, 'x'));
    EXPECT_EQ(s.Password[PasswordMaxLength], 0);
    StorePasswordText(s.Password, "ab");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(s.Password)), "ab");
    EXPECT_TRUE(std::all_of(s.Password + 2, s.Password + PasswordFieldSize, [](uint8_t b) { return b == 0; }));
}

TEST(InUseBitmaps, EntryNIsBitNMod8OfByteNDiv8)
{
    RadioSettings s{};
    s.SetChannelUsed(1, true);
    s.SetChannelUsed(8, true);
    s.SetChannelUsed(16, true);
    EXPECT_EQ(s.ChannelUsed[0], 0x02);
    EXPECT_EQ(s.ChannelUsed[1], 0x01);
    EXPECT_EQ(s.ChannelUsed[2], 0x01);
    s.SetChannelUsed(0, true);
    s.SetChannelUsed(17, true);
    EXPECT_EQ(s.ChannelUsed[0], 0x02);
    EXPECT_EQ(s.ChannelUsed[2], 0x01);
    EXPECT_FALSE(s.IsChannelUsed(17));
    s.SetChannelUsed(8, false);
    EXPECT_FALSE(s.IsChannelUsed(8));
    EXPECT_TRUE(s.IsChannelUsed(16));

    s.SetAddrBookEntryUsed(5, true);
    EXPECT_EQ(s.AddrBookUsed[0], 0x20);
    EXPECT_TRUE(s.IsAddrBookEntryUsed(5));
    EXPECT_FALSE(s.IsAddrBookEntryUsed(17));
}

TEST(DtmfDigits, CodesSymbolsAndSkipsOthers)
{
    uint8_t codes[10];
    uint8_t length = 0;
    StoreDtmfText("12AB*#", codes, sizeof codes, length);
    EXPECT_EQ(length, 6);
    EXPECT_EQ(std::vector<uint8_t>(codes, codes + 10), (std::vector<uint8_t>{1, 2, 10, 11, 14, 15, 0, 0, 0, 0}));
    EXPECT_EQ(DtmfText(codes, sizeof codes, length), "12AB*#");
    StoreDtmfText("0123456789ABCD", codes, sizeof codes, length);
    EXPECT_EQ(length, 10);
    EXPECT_EQ(DtmfText(codes, sizeof codes, 200), "0123456789");
}

}
