#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "FileContents.h"
#include "ScratchDir.h"
#include "DeviceNodes.h"
#include "calibration/AdjustmentFile.h"
#include "calibration/PartlyTakenNotice.h"

namespace {

std::vector<uint8_t> RecordBytes(const AdjustmentData& record)
{
    return std::vector<uint8_t>(record.Bytes(), record.Bytes() + AdjustmentDataSize);
}

AdjustmentData PatternRecord(uint8_t start)
{
    AdjustmentData record;
    for (size_t i = 0; i < AdjustmentDataSize; ++i)
        record.Bytes()[i] = uint8_t(start + i);
    return record;
}

TEST(AdjustmentFile, AClearedRecordSavesAs68ZeroBytes)
{
    ScratchDir dir;
    const std::string path = dir.File("zero.Kqda");
    ASSERT_TRUE(SaveAdjustmentFile(path, AdjustmentData{}).ok);
    EXPECT_EQ(ReadAllBytes(path), std::vector<uint8_t>(AdjustmentDataSize, 0));
}

TEST(AdjustmentFile, FrequenciesAreStoredLittleEndian)
{
    ScratchDir dir;
    const std::string path = dir.File("point.Kqda");
    AdjustmentData record{};
    record.Point[0].Freq = 438500000;
    ASSERT_TRUE(SaveAdjustmentFile(path, record).ok);
    const std::vector<uint8_t> bytes = ReadAllBytes(path);
    ASSERT_EQ(bytes.size(), AdjustmentDataSize);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 4), (std::vector<uint8_t>{0xA0, 0xFA, 0x22, 0x1A}));
}

TEST(AdjustmentFile, SaveAndOpenGiveBackTheSameRecordReservedBytesIncluded)
{
    ScratchDir dir;
    const std::string path = dir.File("all.Kqda");
    const AdjustmentData saved = PatternRecord(0x90);
    ASSERT_TRUE(SaveAdjustmentFile(path, saved).ok);
    AdjustmentData opened{};
    ASSERT_TRUE(OpenAdjustmentFile(path, opened).ok);
    EXPECT_EQ(RecordBytes(opened), RecordBytes(saved));
}

TEST(AdjustmentFile, AShortFileReplacesOnlyTheBytesItHolds)
{
    ScratchDir dir;
    const std::string path = dir.File("short.Kqda");
    WriteAll(path, std::vector<uint8_t>(10, 0xEE));
    const AdjustmentData before = PatternRecord(1);
    AdjustmentData record = before;
    ASSERT_TRUE(OpenAdjustmentFile(path, record).ok);

    EXPECT_EQ(record.Point[0].Freq, 0xEEEEEEEEu);
    EXPECT_EQ(record.Point[1].Freq, (uint32_t(before.Bytes()[11]) << 24) | (uint32_t(before.Bytes()[10]) << 16) | 0xEEEE);
    EXPECT_EQ(std::memcmp(record.Bytes() + 10, before.Bytes() + 10, AdjustmentDataSize - 10), 0);
}

TEST(AdjustmentFile, ALongFileContributesItsFirst68Bytes)
{
    ScratchDir dir;
    const std::string path = dir.File("long.Kqda");
    std::vector<uint8_t> bytes(100);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = uint8_t(i);
    WriteAll(path, bytes);
    AdjustmentData record{};
    ASSERT_TRUE(OpenAdjustmentFile(path, record).ok);
    EXPECT_EQ(RecordBytes(record), std::vector<uint8_t>(bytes.begin(), bytes.begin() + AdjustmentDataSize));
}

// Sending a file on to a radio unseen takes only one of exactly the record's length; the open a
// person looks at takes any file as far as it goes and tells how far.
TEST(AdjustmentFile, AFileOfAnotherLengthIsRefusedWholeAndMeasuredWhenOpened)
{
    const std::string csv = "Location,Name,Frequency,Duplex,Offset,Tone\n1,CALL,438.500000,,0.000000,\n";
    for (const std::string& content : {std::string(), std::string(67, '\xEE'), std::string(69, '\xEE'), csv}) {
        ScratchDir dir;
        const std::string path = dir.File("odd.Kqda");
        WriteAll(path, content);
        const AdjustmentData before = PatternRecord(1);
        AdjustmentData record = before;

        const FileResult refused = OpenWholeAdjustmentFile(path, record);
        EXPECT_EQ(refused.problem, FileProblem::AdjustmentFileWrongSize) << content.size();
        EXPECT_EQ(refused.path, path);
        EXPECT_EQ(refused.size, content.size());
        EXPECT_EQ(refused.expectedSize, AdjustmentDataSize);
        EXPECT_EQ(RecordBytes(record), RecordBytes(before)) << content.size();

        AdjustmentFileFit fit;
        ASSERT_TRUE(OpenAdjustmentFile(path, record, &fit).ok);
        EXPECT_EQ(fit.fileSize, content.size());
        EXPECT_EQ(fit.taken, std::min(content.size(), AdjustmentDataSize));
        EXPECT_FALSE(fit.Whole());
        EXPECT_EQ(std::memcmp(record.Bytes(), content.data(), fit.taken), 0);
    }
    ScratchDir dir;
    const std::string whole = dir.File("whole.Kqda");
    WriteAll(whole, RecordBytes(PatternRecord(7)));
    AdjustmentData record{};
    ASSERT_TRUE(OpenWholeAdjustmentFile(whole, record).ok);
    EXPECT_EQ(RecordBytes(record), RecordBytes(PatternRecord(7)));
}

TEST(AdjustmentFile, ThePartlyTakenNoticeTellsTheLengthThenHowMuchWasTaken)
{
    const struct {
        size_t fileSize;
        MessageId howMuch;
        std::vector<std::string> howMuchArgs;
    } cases[] = {
        {10, MessageId::AdjustmentFileShortTaken, {"10", "68"}},
        {100, MessageId::AdjustmentFileLongTaken, {"68"}},
    };
    for (const auto& c : cases) {
        const std::vector<Message> notice =
            PartlyTakenNotice("cal.Kqda", {c.fileSize, std::min(c.fileSize, AdjustmentDataSize)});
        ASSERT_EQ(notice.size(), 2u);
        EXPECT_EQ(notice[0].id, MessageId::AdjustmentFileWrongSize);
        EXPECT_EQ(notice[1].id, c.howMuch);
        ASSERT_EQ(notice[1].args.size(), c.howMuchArgs.size());
        for (size_t i = 0; i < c.howMuchArgs.size(); ++i)
            EXPECT_EQ(notice[1].args[i].text, c.howMuchArgs[i]);
    }
}

TEST(AdjustmentFile, AMissingFileChangesNothingAndSaysSo)
{
    ScratchDir dir;
    const AdjustmentData before = PatternRecord(3);
    AdjustmentData record = before;
    const FileResult result = OpenAdjustmentFile(dir.File("absent.Kqda"), record);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.problem, FileProblem::CannotOpen);
    EXPECT_EQ(result.path, dir.File("absent.Kqda"));
    EXPECT_EQ(RecordBytes(record), RecordBytes(before));
}

TEST(AdjustmentFile, AFolderDeviceOrPipeIsRefusedWithoutWaitingAndChangesNothing)
{
    for (const NodeKind kind : {NodeKind::Pipe, NodeKind::Device, NodeKind::Folder}) {
        ScratchDir dir;
        const std::string node = dir.File("node.Kqda");
        if (!MakeNode(kind, node))
            continue;  // no device nodes without the privilege
        const AdjustmentData before = PatternRecord(5);
        AdjustmentData record = before;

        FileResult result;
        EXPECT_FALSE(WaitedOnPipe(node, [&] { result = OpenAdjustmentFile(node, record); })) << NodeAt(node);
        EXPECT_EQ(result.problem, FileProblem::NotAFileToOpen) << NodeAt(node);
        EXPECT_EQ(RecordBytes(record), RecordBytes(before)) << NodeAt(node);
    }
}

TEST(AdjustmentFile, AFailedSaveIsReported)
{
    ScratchDir dir;
    const FileResult result = SaveAdjustmentFile(dir.File("no/such/dir/x.Kqda"), PatternRecord(0));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.problem, FileProblem::CannotSave);
    EXPECT_EQ(result.path, dir.File("no/such/dir/x.Kqda"));
}

}
