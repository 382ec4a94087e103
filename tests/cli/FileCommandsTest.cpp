#include <gtest/gtest.h>

#include <cstring>

#include "CliRunner.h"
#include "FileContents.h"
#include "ScratchDir.h"
#include "DeviceNodes.h"
#include "model/RadioSettings.h"

namespace {

constexpr size_t RecordSize = 3128;
constexpr size_t ImageSize = 8192;

std::string RecordBytes(const RadioSettings& s) { return std::string(reinterpret_cast<const char*>(s.BlockBytes()), RecordSize); }

std::string NewRecordFile(const std::string& dir)
{
    const std::string path = dir + "/new.Kqd";
    EXPECT_EQ(RunCli({"new", "--out", path}).status, 0);
    return path;
}

std::string RecordWithChannelOne(const std::string& dir)
{
    RadioSettings s;
    std::memcpy(s.BlockBytes(), ReadAll(NewRecordFile(dir)).data(), RecordSize);
    s.SetChannelUsed(1, true);
    s.Channel[1].RxFreq = 438500000;
    s.Channel[1].TxFreq = 438500000;
    s.Channel[1].DecType = 2;
    s.Channel[1].DecCode = 0x2813;
    s.Channel[1].OptB = 0xB0;
    const std::string path = dir + "/ch1.Kqd";
    WriteAll(path, RecordBytes(s));
    return path;
}

TEST(CliFileCommands, NewWritesTheDefaultRecord)
{
    const std::string record = ReadAll(NewRecordFile(ScratchFolder()));
    ASSERT_EQ(record.size(), RecordSize);
    EXPECT_EQ(record[2929], 5) << "squelch level";
    EXPECT_EQ(record[3081], 17) << "key 2 short";
    EXPECT_EQ(record[3096], 0) << "no channel in use";
}

TEST(CliFileCommands, ImagePacksAndFromImageRestores)
{
    const std::string dir = ScratchFolder();
    const std::string record = RecordWithChannelOne(dir);
    const std::string image = dir + "/image.bin";
    ASSERT_EQ(RunCli({"image", record, "--out", image, "--now", "2024-05-06 09:07", "--band-limits", "136000000",
                      "174000000"})
                  .status,
              0);
    const std::string bytes = ReadAll(image);
    ASSERT_EQ(bytes.size(), ImageSize);
    EXPECT_EQ(bytes.substr(0x30, 4), std::string("\x00\x00\x85\x43", 4));
    EXPECT_EQ(bytes.substr(0x130, 6), std::string("\x07\xE8\x05\x06\x09\x07", 6));

    const std::string back = dir + "/back.Kqd";
    const CliRun run = RunCli({"from-image", image, "--out", back, "--base", record});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("136000000 174000000"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("2024-05-06 09:07"), std::string::npos) << run.out;
    std::string expected = ReadAll(record);
    // Packing numbers the address-book entries and notes the band it was packed for.
    RadioSettings s;
    std::memcpy(s.BlockBytes(), expected.data(), RecordSize);
    for (unsigned k = 1; k <= AddrBookEntryCount; ++k)
        s.Entry(k).EntryNumber = uint8_t(k);
    s.ReadRadioInfo.BandMin = 136000000;
    s.ReadRadioInfo.BandMax = 174000000;
    EXPECT_EQ(ReadAll(back), RecordBytes(s));
}

TEST(CliFileCommands, DumpShowsTitlesInTheChosenLanguage)
{
    const std::string record = RecordWithChannelOne(ScratchFolder());
    const struct {
        const char* lang;
        const char* title;
    } cases[] = {{"0", "RX Freq."}, {"1", "接收频率"}, {"2", "接收頻率"}};
    for (const auto& c : cases) {
        const CliRun run = RunCli({"dump", record, "--lang", c.lang});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find(c.title), std::string::npos) << c.lang << "\n" << run.out;
        EXPECT_NE(run.out.find("438.50000"), std::string::npos);
        EXPECT_NE(run.out.find("D023N"), std::string::npos);
    }
}

TEST(CliFileCommands, DumpJsonUsesTheFieldNames)
{
    const CliRun run = RunCli({"dump", RecordWithChannelOne(ScratchFolder()), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* key : {"\"RxFreq\": 438500000", "\"DecType\": 2", "\"Sql\": 5", "\"VoxDelay\": 2000",
                            "\"Key2Short\": 17", "\"Power\": 1", "\"ScanAdd\": true"})
        EXPECT_NE(run.out.find(key), std::string::npos) << key << "\n" << run.out;
}

TEST(CliFileCommands, BadInputFailsWithoutTouchingTheOutput)
{
    const std::string dir = ScratchFolder();
    const std::string record = NewRecordFile(dir);
    const std::string shortRecord = dir + "/short.Kqd";
    WriteAll(shortRecord, std::string(100, '\0'));
    const std::string badImage = dir + "/bad.bin";
    WriteAll(badImage, std::string(8000, '\0'));
    const std::string out = dir + "/out";
    const std::string previous = "previous contents";

    const struct {
        std::vector<std::string> args;
        const char* mentions;
    } cases[] = {
        {{"dump", dir + "/missing.Kqd"}, "missing.Kqd"},
        {{"image", shortRecord, "--out", out}, "100"},
        {{"from-image", badImage, "--out", out}, "8000"},
        {{"image", record, "--out", out, "--band-limits", "abc", "1"}, "abc"},
        {{"image", record, "--out", out, "--band-limits", "470000000", "400000000"}, "lower limit first"},
        {{"image", record, "--out", out, "--now", "yesterday"}, "--now"},
        {{"image", record, "--out"}, "--out"},
        {{"image", record, "--frobnicate", "--out", out}, "--frobnicate"},
        {{"new"}, "--out"},
        {{"dump", record, "--lang", "7"}, "--lang"},
        {{"dump", record, "--lang", "4294967295"}, "--lang"},
        {{"no-such-command"}, "no-such-command"},
    };
    for (const auto& c : cases) {
        WriteAll(out, previous);
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.status, 2) << c.args[0];
        EXPECT_NE(run.err.find(c.mentions), std::string::npos) << run.err;
        EXPECT_EQ(ReadAll(out), previous) << c.args[0];
    }
}

TEST(CliFileCommands, AnInputThatIsNoFileIsRefusedAtOnce)
{
    const std::string dir = ScratchFolder();
    const std::string pipe = dir + "/pipe";
    ASSERT_TRUE(MakeNode(NodeKind::Pipe, pipe));
    const std::string image = dir + "/image.bin";
    WriteAll(image, std::string(ImageSize, '\0'));
    const std::string out = dir + "/out.Kqd";
    const std::vector<std::string> commands[] = {
        {"dump", pipe},
        {"image", pipe, "--out", out},
        {"from-image", pipe, "--out", out},
        {"from-image", image, "--out", out, "--base", pipe},
        {"from-json", pipe, "--out", out},
    };
    for (const auto& args : commands) {
        CliRun run;
        EXPECT_FALSE(WaitedOnPipe(pipe, [&] { run = RunCli(args); })) << args[0];
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_NE(run.err.find(pipe + ": it is a folder, device or pipe"), std::string::npos) << run.err;
        EXPECT_FALSE(FileExists(out));
    }
}

}
