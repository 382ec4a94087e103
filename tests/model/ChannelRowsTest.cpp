#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "model/ChannelRows.h"

namespace {

// A layout names each channel by one character: a letter is a channel in use whose 80 bytes all
// hold that letter, "." an unused channel with a zero record, "-" an unused one that still holds
// bytes.
RadioSettings WithLayout(const std::string& layout)
{
    RadioSettings s{};
    for (unsigned n = 1; n <= ChannelCount; ++n) {
        const char c = layout[n - 1];
        if (c == '.')
            continue;
        std::memset(&s.Channel[n], c == '-' ? 0x7E : c, sizeof s.Channel[n]);
        s.SetChannelUsed(n, c != '-');
    }
    return s;
}

std::string LayoutOf(const RadioSettings& s)
{
    std::string layout;
    for (unsigned n = 1; n <= ChannelCount; ++n) {
        const ChannelRecord zero{};
        const auto* bytes = reinterpret_cast<const uint8_t*>(&s.Channel[n]);
        const bool isZero = std::memcmp(&s.Channel[n], &zero, sizeof zero) == 0;
        const bool uniform = std::all_of(bytes, bytes + sizeof zero, [&](uint8_t b) { return b == bytes[0]; });
        if (s.IsChannelUsed(n))
            layout += uniform ? char(bytes[0]) : '?';
        else
            layout += isZero ? '.' : '-';
    }
    return layout;
}

const std::string Full = "ABCDEFGHIJKLMNOP";

TEST(ChannelRows, RowCommandsMoveRecordsWithTheirInUseBits)
{
    enum Command { Insert, Up, Down, Clear };
    const struct {
        Command command;
        ChannelNumbers channels;
        std::string before;
        bool done;
        std::string after;
    } cases[] = {
        {Insert, {3}, Full, true, "AB.CDEFGHIJKLMNO"},
        {Insert, {1}, "A-C.............", true, ".A-C............"},
        {Insert, {16}, Full, true, "ABCDEFGHIJKLMNO."},
        {Insert, {17}, Full, false, Full},
        {Up, {3, 4}, Full, true, "ACDBEFGHIJKLMNOP"},
        {Up, {3, 5}, "AB.D-...........", true, "A.B-D..........."},
        {Up, {1, 2}, Full, false, Full},
        {Up, {}, Full, false, Full},
        {Down, {15, 16}, Full, false, Full},
        {Down, {2, 3}, Full, true, "ADBCEFGHIJKLMNOP"},
        {Down, {13, 15}, "............C.AB", true, ".............CBA"},
        {Clear, {2, 4}, "A-CD............", true, "A.C............."},
    };
    for (const auto& c : cases) {
        RadioSettings s = WithLayout(c.before);
        bool done = true;
        switch (c.command) {
        case Insert:
            done = InsertEmptyChannelRow(s, c.channels[0]);
            break;
        case Up:
            done = MoveChannelRowsUp(s, c.channels);
            break;
        case Down:
            done = MoveChannelRowsDown(s, c.channels);
            break;
        case Clear:
            ClearChannelRows(s, c.channels);
            break;
        }
        EXPECT_EQ(done, c.done) << c.before << " command " << c.command;
        EXPECT_EQ(LayoutOf(s), c.after) << c.before << " command " << c.command;
    }
}

TEST(ChannelRows, InsertAsksOnlyWhenTheLastChannelIsInUse)
{
    EXPECT_TRUE(InsertDropsUsedChannel(WithLayout(Full)));
    EXPECT_FALSE(InsertDropsUsedChannel(WithLayout("ABCDEFGHIJKLMNO-")));
}

TEST(ChannelRows, PastedRowsEqualTheCopiedOnesByteForByte)
{
    const struct {
        ChannelNumbers copied;
        unsigned at;
        unsigned placed;
        std::string after;
    } cases[] = {
        {{3, 4, 5}, 10, 3, "AB-D-....-D-...."},
        {{3, 4, 5}, 15, 2, "AB-D-.........-D"},
        {{1, 16}, 15, 2, "AB-D-.........A."},
        {{2, 4}, 3, 2, "ABBD-..........."},
    };
    for (const auto& c : cases) {
        RadioSettings s = WithLayout("AB-D-...........");
        const RadioSettings source = s;
        EXPECT_EQ(PasteChannelRows(s, c.at, CopyChannelRows(source, c.copied)), c.placed) << c.at;
        EXPECT_EQ(LayoutOf(s), c.after) << c.at;
        for (unsigned i = 0; i < c.placed; ++i)
            EXPECT_EQ(std::memcmp(&s.Channel[c.at + i], &source.Channel[c.copied[i]], sizeof(ChannelRecord)), 0);
    }
}

TEST(ChannelRows, PackedRowsComeBackWholeAndAnythingElseIsRefused)
{
    const RadioSettings s = WithLayout("AB-D-...........");
    const std::vector<ChannelRow> rows = CopyChannelRows(s, {1, 3, 6});
    const std::vector<uint8_t> packed = PackChannelRows(rows);
    ASSERT_EQ(packed.size(), 3 * PackedChannelRowSize);
    const auto unpacked = UnpackChannelRows(packed.data(), packed.size());
    ASSERT_TRUE(unpacked);
    RadioSettings pasted = WithLayout(Full);
    PasteChannelRows(pasted, 1, *unpacked);
    EXPECT_EQ(LayoutOf(pasted), "A-.DEFGHIJKLMNOP");

    std::vector<uint8_t> badFlag = packed;
    badFlag[PackedChannelRowSize] = 2;
    const std::vector<uint8_t> tooMany = PackChannelRows(std::vector<ChannelRow>(ChannelCount + 1, rows[0]));
    const std::vector<std::vector<uint8_t>> refused = {
        {}, std::vector<uint8_t>(packed.begin(), packed.end() - 1), badFlag, tooMany};
    for (const auto& bytes : refused)
        EXPECT_FALSE(UnpackChannelRows(bytes.data(), bytes.size())) << bytes.size();
}

}
