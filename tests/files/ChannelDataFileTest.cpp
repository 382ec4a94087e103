#include <gtest/gtest.h>

#include <cstring>

#include "FileContents.h"
#include "ScratchDir.h"
#include "Worded.h"
#include "WriteFailures.h"
#include "files/ChannelDataFile.h"

namespace {

std::string BlockOf(const RadioSettings& s)
{
    return std::string(reinterpret_cast<const char*>(s.BlockBytes()), RadioSettingsBlockSize);
}

RadioSettings RandomRecord(unsigned seed)
{
    RadioSettings s;
    const auto bytes = RandomBytes(sizeof s, seed);
    std::memcpy(&s, bytes.data(), sizeof s);
    return s;
}

bool SameRecord(const RadioSettings& a, const RadioSettings& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(ChannelDataFile, SaveThenOpenGivesBackEveryByteReservedOnesIncluded)
{
    ScratchDir dir;
    const std::string path = dir.File("set.Kqd");
    const RadioSettings saved = RandomRecord(1);
    ASSERT_TRUE(SaveChannelFile(path, saved).ok);

    RadioSettings opened = RandomRecord(2);
    ASSERT_TRUE(OpenChannelFile(path, opened).ok);

    EXPECT_EQ(BlockOf(opened), BlockOf(saved));
}

TEST(ChannelDataFile, TheFileIsTheBlockAloneWithoutTheLastProgrammedStamp)
{
    ScratchDir dir;
    const std::string path = dir.File("set.Kqd");
    RadioSettings s = RandomRecord(3);
    ASSERT_TRUE(SaveChannelFile(path, s).ok);
    EXPECT_EQ(ReadAll(path), BlockOf(s));

    RadioSettings other = RandomRecord(4);
    const RadioSettings before = other;
    ASSERT_TRUE(OpenChannelFile(path, other).ok);
    EXPECT_EQ(uint16_t(other.LastWriteYear), uint16_t(before.LastWriteYear));
    EXPECT_EQ(other.LastWriteMinute, before.LastWriteMinute);
}

TEST(ChannelDataFile, AFileSavedAfterFileNewHoldsTheDefaults)
{
    ScratchDir dir;
    const std::string path = dir.File("new.Kqd");
    RadioSettings s = RandomRecord(5);
    s.ResetToDefaults();
    ASSERT_TRUE(SaveChannelFile(path, s).ok);

    const std::string bytes = ReadAll(path);
    ASSERT_EQ(bytes.size(), RadioSettingsBlockSize);
    EXPECT_EQ(bytes[2929], 5) << "squelch level";
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(bytes[offsetof(RadioSettings, AddrBookUsed) + i], 0);
    for (size_t i = 0; i < 32; ++i)
        EXPECT_EQ(bytes[offsetof(RadioSettings, ChannelUsed) + i], 0);
}

class ShortChannelFileTest : public testing::TestWithParam<size_t> {};

TEST_P(ShortChannelFileTest, IsRefusedNamingItsSizeAndChangesNothing)
{
    ScratchDir dir;
    const std::string path = dir.File("short.Kqd");
    const auto bytes = RandomBytes(GetParam(), 6);
    WriteAll(path, std::string(bytes.begin(), bytes.end()));

    RadioSettings s = RandomRecord(7);
    const RadioSettings before = s;
    const FileResult result = OpenChannelFile(path, s);

    EXPECT_FALSE(result.ok);
    EXPECT_NE(Worded(result).find(path), std::string::npos) << Worded(result);
    EXPECT_NE(Worded(result).find(" " + std::to_string(GetParam()) + " bytes"), std::string::npos)
        << Worded(result);
    EXPECT_TRUE(SameRecord(s, before));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ShortChannelFileTest, testing::Values(0, 1, 1000, RadioSettingsBlockSize - 1));

TEST(ChannelDataFile, ALongerFileContributesItsFirstBlock)
{
    ScratchDir dir;
    const std::string path = dir.File("long.Kqd");
    const auto bytes = RandomBytes(RadioSettingsBlockSize + 500, 8);
    WriteAll(path, std::string(bytes.begin(), bytes.end()));

    RadioSettings s = RandomRecord(9);
    ASSERT_TRUE(OpenChannelFile(path, s).ok);

    EXPECT_EQ(BlockOf(s), std::string(bytes.begin(), bytes.begin() + RadioSettingsBlockSize));
}

TEST(ChannelDataFile, AMissingFileIsReportedAndChangesNothing)
{
    ScratchDir dir;
    RadioSettings s = RandomRecord(10);
    const RadioSettings before = s;

    const FileResult result = OpenChannelFile(dir.File("absent.Kqd"), s);

    EXPECT_FALSE(result.ok);
    EXPECT_NE(Worded(result).find("absent.Kqd"), std::string::npos) << Worded(result);
    EXPECT_TRUE(SameRecord(s, before));
}

// A file saved earlier, which a failing save must leave as it was.
class FailedChannelSaveTest : public testing::Test {
protected:
    ScratchDir dir;
    const std::string path = dir.File("old.Kqd");
    const RadioSettings old = RandomRecord(11);
    const RadioSettings changed = RandomRecord(12);

    void SetUp() override { ASSERT_TRUE(SaveChannelFile(path, old).ok); }

    void ExpectOldFileKept(const FileResult& result)
    {
        EXPECT_FALSE(result.ok);
        EXPECT_NE(Worded(result).find(path), std::string::npos) << Worded(result);
        EXPECT_EQ(ReadAll(path), BlockOf(old));
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"old.Kqd"}) << "no temporary file left";
    }
};

TEST_F(FailedChannelSaveTest, IntoAFolderThatCannotTakeFiles)
{
    FileResult result;
    {
        ImmutableDir locked(dir.Path());
        if (!locked.Active())
            GTEST_SKIP() << "this file system cannot lock a folder against the administrator";
        result = SaveChannelFile(path, changed);
    }
    ExpectOldFileKept(result);
}

TEST_F(FailedChannelSaveTest, WhileWriting)
{
    FileResult result;
    {
        FileSizeLimit limit(RadioSettingsBlockSize / 2);
        result = SaveChannelFile(path, changed);
    }
    ExpectOldFileKept(result);
}

}  // namespace

namespace {

// A picture renamed .Kqd opens (it is long enough) but is flagged for its size and its values.
TEST(ChannelDataFile, CheckFlagsAnOddSizeBeforeTheRecordsValues)
{
    ScratchDir dir;
    RadioSettings clean;
    clean.ResetToDefaults();
    const std::string exact = dir.File("exact.Kqd");
    ASSERT_TRUE(SaveChannelFile(exact, clean).ok);
    EXPECT_TRUE(CheckChannelFile(exact, clean, BandLimits{}).empty());

    const std::string picture = dir.File("picture.Kqd");
    WriteAll(picture, RandomBytes(RadioSettingsBlockSize + 900, 3));
    RadioSettings opened;
    ASSERT_TRUE(OpenChannelFile(picture, opened).ok);
    const std::vector<RecordFinding> findings = CheckChannelFile(picture, opened, BandLimits{});
    ASSERT_GT(findings.size(), 1u);
    EXPECT_EQ(findings[0], (RecordFinding{0, "file size", "4028", RecordProblem::WrongSize}));
}

}
