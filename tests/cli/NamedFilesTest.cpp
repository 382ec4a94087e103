#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "FileContents.h"
#include "PseudoTerminal.h"
#include "QuickRadio.h"
#include "RadioProcess.h"
#include "ScratchDir.h"
#include "calibration/AccessCode.h"
#include "calibration/AdjustmentData.h"
#include "cli/ExitCodes.h"

// The files a transfer command names are checked before its port opens. The port here is a line
// nobody answers on: a command that had opened it would have left its hello there.

namespace fs = std::filesystem;

namespace {

const std::string BandMin = std::to_string(RadioBand.BandMin);
const std::string BandMax = std::to_string(RadioBand.BandMax);
const std::string Code(AdjustmentAccessCode);

bool Mentions(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// What the folder holds, file by file, to show that a refused command changed nothing.
std::map<std::string, std::string> Contents(const ScratchDir& dir)
{
    std::map<std::string, std::string> contents;
    for (const auto& entry : fs::recursive_directory_iterator(dir.Path()))
        contents[entry.path().string()] = entry.is_regular_file() ? ReadAll(entry.path().string()) : "";
    return contents;
}

struct SharedFileCase {
    const char* name;
    std::vector<std::string> command;  // "D/" stands for the scratch folder; --port follows
};

class SharedFile : public testing::TestWithParam<SharedFileCase> {};

TEST_P(SharedFile, IsRefusedBeforeThePortOpens)
{
    ScratchDir dir;
    ASSERT_EQ(RunCli({"new", "--out", dir.File("record.Kqd")}).status, ExitSuccess);
    fs::create_hard_link(dir.File("record.Kqd"), dir.File("hard.Kqd"));
    fs::create_symlink("record.Kqd", dir.File("soft.Kqd"));
    WriteAll(dir.File("calibration.Kqda"), std::string(AdjustmentDataSize, '\0'));
    WriteAll(dir.File("secret"), "kr27\n");
    fs::create_directory(dir.File("sub"));
    const auto before = Contents(dir);

    PseudoTerminal line;
    std::vector<std::string> args;
    for (const std::string& arg : GetParam().command)
        args.push_back(arg.rfind("D/", 0) == 0 ? dir.File(arg.substr(2)) : arg);
    args.insert(args.end(), {"--port", line.SlavePath()});
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, ExitUsageOrFile) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(Mentions(run.err, "name the same file")) << run.err;
    EXPECT_TRUE(line.Receive(0).empty());
    EXPECT_EQ(Contents(dir), before);
}

const SharedFileCase SharedFiles[] = {
    {"OutAndTraceSpelledAlike", {"read", "--out", "D/read.Kqd", "--trace", "D/read.Kqd"}},
    {"OutAndTraceSpelledTwoWays", {"read", "--out", "D/read.Kqd", "--trace", "D/sub/../read.Kqd"}},
    {"TraceThroughASymbolicLink", {"read", "--out", "D/record.Kqd", "--trace", "D/soft.Kqd"}},
    {"TraceThroughAHardLink", {"read", "--out", "D/record.Kqd", "--trace", "D/hard.Kqd"}},
    {"TraceOverTheBase", {"read", "--out", "D/read.Kqd", "--base", "D/record.Kqd", "--trace", "D/record.Kqd"}},
    {"TraceOverThePasswordFile", {"read", "--out", "D/read.Kqd", "--password-file", "D/secret", "--trace", "D/secret"}},
    {"TraceOverTheRecordWritten", {"write", "D/record.Kqd", "--band-limits", BandMin, BandMax, "--trace", "D/hard.Kqd"}},
    {"LogOverTheRecordWritten", {"write", "D/record.Kqd", "--band-limits", BandMin, BandMax, "--radios", "1", "--log",
                                 "D/soft.Kqd"}},
    {"LogAndTrace", {"write", "D/record.Kqd", "--band-limits", BandMin, BandMax, "--radios", "1", "--log",
                     "D/series.csv", "--trace", "D/sub/../series.csv"}},
    {"TraceOverTheCalibrationWritten", {"calibration", "write", "D/calibration.Kqda", "--access-code", Code, "--trace",
                                        "D/calibration.Kqda"}},
    {"TraceOverTheNewPasswordFile", {"password", "set", "--new-password-file", "D/secret", "--trace", "D/secret"}},
};

INSTANTIATE_TEST_SUITE_P(Cli, SharedFile, testing::ValuesIn(SharedFiles),
                         [](const testing::TestParamInfo<SharedFileCase>& info) { return info.param.name; });

// Reading on top of a record and saving over it is how a record is brought up to date.
TEST(NamedFiles, OutMayUpdateItsBase)
{
    ScratchDir dir;
    const std::string record = dir.File("record.Kqd");
    ASSERT_EQ(RunCli({"new", "--out", record}).status, ExitSuccess);
    RadioProcess radio(QuickRadio);
    const CliRun run = RunCli({"read", "--fast", "--port", radio.LinkPath(), "--base", record, "--out", record, "--no-backup"});
    EXPECT_EQ(run.status, ExitSuccess) << run.err;
    EXPECT_EQ(run.out, "SUCCESS\n");
}

class UnwritableTrace : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(UnwritableTrace, IsRefusedBeforeThePortOpens)
{
    ScratchDir dir;
    const std::string fifo = dir.File("fifo.trace");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    PseudoTerminal line;
    for (const std::string& trace : {dir.File("missing/read.trace"), dir.Path(), fifo}) {
        std::vector<std::string> args = GetParam();
        args.insert(args.end(), {"--port", line.SlavePath(), "--trace", trace});
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, ExitUsageOrFile) << trace;
        EXPECT_EQ(run.out, "") << trace;
        EXPECT_TRUE(Mentions(run.err, trace)) << run.err;
        EXPECT_TRUE(line.Receive(0).empty()) << trace;
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
}

INSTANTIATE_TEST_SUITE_P(Cli, UnwritableTrace,
                         testing::Values(std::vector<std::string>{"read", "--out", ScratchFolder() + "/read.Kqd"},
                                         std::vector<std::string>{"serial", "read"}));

}  // namespace
