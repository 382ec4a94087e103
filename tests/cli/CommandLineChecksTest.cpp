#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "BuiltProgram.h"
#include "CliRunner.h"
#include "FileContents.h"
#include "QuickRadio.h"
#include "RadioProcess.h"
#include "ScratchDir.h"
#include "calibration/AccessCode.h"
#include "cli/ExitCodes.h"
#include "files/SettingsLocation.h"
#include "lang/Messages.h"

namespace fs = std::filesystem;

namespace {

const std::string AbsentComName = "COM99";

bool Mentions(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// RunCli from another working directory.
CliRun RunCliIn(const std::string& workingDirectory, const std::vector<std::string>& args)
{
    const fs::path before = fs::current_path();
    fs::current_path(workingDirectory);
    const CliRun run = RunCli(args);
    fs::current_path(before);
    return run;
}

// RunCli on the copy of the program in `binDirectory`.
CliRun RunCliFrom(const std::string& binDirectory, const std::vector<std::string>& args)
{
    const std::string before = fs::path(BuiltProgram("kr-t27-cli")).parent_path().string();
    setenv("KR_T27_BIN", binDirectory.c_str(), 1);
    const CliRun run = RunCli(args);
    setenv("KR_T27_BIN", before.c_str(), 1);
    return run;
}

struct InfoCase {
    const char* option;
    std::string says;
};

class InfoOption : public testing::TestWithParam<InfoCase> {};

TEST_P(InfoOption, AnswersOnStdoutAndSucceeds)
{
    const CliRun run = RunCli({GetParam().option});
    EXPECT_EQ(run.status, ExitSuccess);
    EXPECT_TRUE(Mentions(run.out, GetParam().says)) << run.out;
    EXPECT_TRUE(run.err.empty()) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Cli, InfoOption,
                         testing::Values(InfoCase{"--help", "kr-t27-cli read --port PORT"},
                                         InfoCase{"--version", std::string("kr-t27-cli ") + KR_T27_VERSION + "\n"}));

TEST(CommandLineChecks, AComNameTheMachineLacksIsCalledUnlisted)
{
    const CliRun run = RunCli({"read", "--port", AbsentComName, "--out", ScratchFolder() + "/read.Kqd"});
    EXPECT_EQ(run.status, ExitCommunicationFailure);
    EXPECT_TRUE(Mentions(run.err, AbsentComName + " is not listed")) << run.err;
    EXPECT_TRUE(Mentions(run.err, "kr-t27-cli: " + EnglishMessage({MessageId::PortNotListed, {AbsentComName}}) + "\n"))
        << "worded from the program's table: " << run.err;
}

TEST(CommandLineChecks, ARelativePortPathStartsAtTheWorkingDirectory)
{
    RadioProcess radio(QuickRadio);
    const fs::path link = radio.LinkPath();
    const std::string out = ScratchFolder() + "/read.Kqd";
    const CliRun run = RunCliIn(link.parent_path().string(),
                                  {"read", "--port", link.filename().string(), "--out", out});
    EXPECT_EQ(run.status, ExitSuccess) << run.err;
    EXPECT_TRUE(FileExists(out));
}

struct UnwritableCase {
    const char* name;
    std::vector<std::string> command;  // the output path follows
};

class UnwritableOutput : public testing::TestWithParam<UnwritableCase> {};

// The radio is there and would answer: refusing before the transfer shows in the missing outcome.
TEST_P(UnwritableOutput, IsRefusedBeforeThePortOpens)
{
    const std::string dir = ScratchFolder();
    const std::string fifo = dir + "/fifo.Kqd";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    RadioProcess radio(QuickRadio);
    for (const std::string& out : {dir + "/missing/read.Kqd", dir, fifo}) {
        std::vector<std::string> args = GetParam().command;
        args.insert(args.end(), {"--port", radio.LinkPath(), "--out", out});
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, ExitUsageOrFile) << out;
        EXPECT_EQ(run.out, "") << out;
        EXPECT_TRUE(Mentions(run.err, out)) << run.err;
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
}

INSTANTIATE_TEST_SUITE_P(Cli, UnwritableOutput,
                         testing::Values(UnwritableCase{"Read", {"read"}},
                                         UnwritableCase{"CalibrationRead",
                                                        {"calibration", "read", "--access-code",
                                                         std::string(AdjustmentAccessCode)}}),
                         [](const testing::TestParamInfo<UnwritableCase>& info) { return info.param.name; });

// A copy of the program in a folder of its own, where its settings file would be created.
TEST(CommandLineChecks, CommandsLeaveTheSettingsFileToTheDesktopProgram)
{
    const std::string bin = ScratchFolder();
    fs::copy_file(BuiltProgram("kr-t27-cli"), bin + "/kr-t27-cli");
    const std::vector<std::vector<std::string>> commands = {
        {"ports"},
        {"read", "--port", "/dev/kr-t27-absent", "--out", bin + "/read.Kqd"},
        {"write", "--port", "/dev/kr-t27-absent", "--band", "2", bin + "/missing.Kqd"},
    };
    for (const auto& command : commands) {
        RunCliFrom(bin, command);
        EXPECT_FALSE(FileExists(bin + "/" + SettingsFileName)) << command[0];
    }
}

TEST(CommandLineChecks, NowTakesRealDatesOnly)
{
    const std::string dir = ScratchFolder();
    const std::string record = dir + "/record.Kqd";
    ASSERT_EQ(RunCli({"new", "--out", record}).status, ExitSuccess);
    const struct {
        const char* now;
        int status;
    } cases[] = {
        {"2024-02-30 10:00", ExitUsageOrFile},
        {"2023-02-29 10:00", ExitUsageOrFile},
        {"2024-04-31 00:00", ExitUsageOrFile},
        {"2024-02-29 23:59", ExitSuccess},
        {"2023-12-31 00:00", ExitSuccess},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli({"image", record, "--out", dir + "/image.bin", "--now", c.now});
        EXPECT_EQ(run.status, c.status) << c.now << ": " << run.err;
    }
}

}
