#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>

#include "BuiltProgram.h"
#include "CliRunner.h"
#include "EnvOverride.h"
#include "FileContents.h"
#include "QuickRadio.h"
#include "RadioProcess.h"
#include "RandomRecord.h"
#include "ScratchDir.h"
#include "ZipReaders.h"
#include "cli/ExitCodes.h"
#include "files/AppSettings.h"
#include "files/ChannelDataFile.h"
#include "files/SettingsLocation.h"

namespace {

const std::string VhfMin = "136000000";
const std::string VhfMax = "174000000";
const DateTimeStamp Never{};

std::string SavedRecord(const RadioSettings& settings)
{
    const std::string path = ScratchFolder() + "/record.Kqd";
    EXPECT_TRUE(SaveChannelFile(path, settings).ok);
    return path;
}

RadioSettings LoadedRecord(const std::string& path)
{
    RadioSettings settings;
    settings.ResetToDefaults();
    EXPECT_TRUE(OpenChannelFile(path, settings).ok);
    return settings;
}

// The fast link ("--fast") must bring back the same record as the default schedule.
class WriteThenRead : public testing::TestWithParam<bool> {};

TEST_P(WriteThenRead, BringsTheRecordBack)
{
    RadioProcess radio(QuickRadio);
    const RadioSettings original = RandomRecord(17);
    const std::vector<std::string> timing = GetParam() ? std::vector<std::string>{"--fast"} : std::vector<std::string>{};
    std::vector<std::string> write = {"write", "--port", radio.LinkPath(), SavedRecord(original), "--band-limits",
                                      std::to_string(RadioBand.BandMin), std::to_string(RadioBand.BandMax), "--force"};
    write.insert(write.end(), timing.begin(), timing.end());
    const CliRun written = RunCli(write);
    ASSERT_EQ(written.status, ExitSuccess) << written.err;
    EXPECT_EQ(written.out, "SUCCESS\n");

    const std::string out = ScratchFolder() + "/read.Kqd";
    std::vector<std::string> read = {"read", "--port", radio.LinkPath(), "--out", out};
    read.insert(read.end(), timing.begin(), timing.end());
    const CliRun readRun = RunCli(read);
    ASSERT_EQ(readRun.status, ExitSuccess) << readRun.err;
    EXPECT_EQ(readRun.out, "SUCCESS\n");
    EXPECT_TRUE(SameRange(PackedImage(LoadedRecord(out), RadioBand, Never), PackedImage(original, RadioBand, Never),
                          ImageWriteEnd));
}

INSTANTIATE_TEST_SUITE_P(TransferCommands, WriteThenRead, testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "Fast" : "Default"); });

struct FailedReadCase {
    const char* name;
    RadioArgs radio;
    std::vector<std::string> extra;
    int status;
    const char* words;
};

class FailedRead : public testing::TestWithParam<FailedReadCase> {};

TEST_P(FailedRead, SaysWhyAndWritesNoFile)
{
    const FailedReadCase& c = GetParam();
    RadioProcess radio(QuickRadioWith(c.radio));
    const std::string out = ScratchFolder() + "/read.Kqd";
    std::vector<std::string> args = {"read", "--port", radio.LinkPath(), "--out", out};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.out, std::string(c.words) + "\n");
    EXPECT_FALSE(FileExists(out));
}

const FailedReadCase FailedReads[] = {
    {"WrongPassword", {"--password", "kr27"}, {"--password", "kr28"}, ExitPasswordError, "Password Error"},
    {"NoPasswordGiven", {"--password", "kr27"}, {}, ExitPasswordError, "Password Error"},
    {"ForeignRadio", {"--foreign-ident"}, {}, ExitCommunicationFailure, "Communication False"},
    {"BrokenBlockAnswer", {"--read-answer-r"}, {}, ExitCommunicationFailure, "Communication False"},
};

INSTANTIATE_TEST_SUITE_P(Cli, FailedRead, testing::ValuesIn(FailedReads),
                         [](const testing::TestParamInfo<FailedReadCase>& info) { return info.param.name; });

TEST(TransferCommands, ReadWithTheRightPasswordKeepsTheBaseRecordsOtherFields)
{
    RadioProcess radio(QuickRadioWith({"--password", "kr27"}));
    RadioSettings base = RandomRecord(2);
    std::memcpy(base.NewPassword, "next", 4);
    const std::string out = ScratchFolder() + "/read.Kqd";
    const CliRun run = RunCli({"read", "--port", radio.LinkPath(), "--out", out, "--base", SavedRecord(base),
                               "--password", "kr27"});
    ASSERT_EQ(run.status, ExitSuccess) << run.err;
    const RadioSettings read = LoadedRecord(out);
    EXPECT_EQ(std::memcmp(read.NewPassword, base.NewPassword, sizeof base.NewPassword), 0);
}

TEST(TransferCommands, AMissingPortIsNamedAndFailsAtOnce)
{
    const std::string out = ScratchFolder() + "/read.Kqd";
    const CliRun run = RunCli({"read", "--port", "/dev/kr-t27-absent", "--out", out});
    EXPECT_EQ(run.status, ExitCommunicationFailure);
    EXPECT_EQ(run.out, "Communication False\n");
    EXPECT_NE(run.err.find("/dev/kr-t27-absent"), std::string::npos);
    EXPECT_FALSE(FileExists(out));
}

struct BandCase {
    const char* name;
    std::vector<std::string> policy;
    std::string answer;
    int status;
};

class BandDifference : public testing::TestWithParam<BandCase> {};

TEST_P(BandDifference, FollowsTheChosenPolicy)
{
    const BandCase& c = GetParam();
    const MemoryImage seed{};
    const MemoryImage before = RadioProcess::MemoryAtStart(QuickRadio, seed);
    RadioProcess radio(QuickRadio, &seed);
    std::vector<std::string> args = {"write", "--port", radio.LinkPath(), SavedRecord(RandomRecord(4)),
                                     "--band-limits", VhfMin, VhfMax, "--force"};
    args.insert(args.end(), c.policy.begin(), c.policy.end());
    const CliRun run = RunCli(args, c.answer);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(SameRange(radio.StopAndReadMemory(), before, MemoryImageSize), c.status != ExitSuccess);
}

const BandCase BandCases[] = {
    {"StopsWhenToldTo", {"--on-band-difference", "stop"}, "", ExitStoppedAtBandQuestion},
    {"GoesOnWhenToldTo", {"--on-band-difference", "continue"}, "", ExitSuccess},
    {"AsksAndGoesOnAtYes", {"--on-band-difference", "ask"}, "y\n", ExitSuccess},
    {"AsksAndStopsAtNo", {"--on-band-difference", "ask"}, "n\n", ExitStoppedAtBandQuestion},
    {"StopsWithoutATerminalToAsk", {}, "y\n", ExitStoppedAtBandQuestion},
};

INSTANTIATE_TEST_SUITE_P(Cli, BandDifference, testing::ValuesIn(BandCases),
                         [](const testing::TestParamInfo<BandCase>& info) { return info.param.name; });

TEST(TransferCommands, BandNumberPicksABandOfTheSettingsFile)
{
    const BandLimits first = LoadAppSettings(SettingsFilePath()).Bands[0];
    RadioProcess radio(
        {"--no-pacing", "--band-limits", std::to_string(first.BandMin), std::to_string(first.BandMax)});
    const CliRun run = RunCli({"write", "--port", radio.LinkPath(), SavedRecord(RandomRecord(6)), "--band", "1",
                               "--on-band-difference", "stop", "--force"});
    EXPECT_EQ(run.status, ExitSuccess) << run.err;
}

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
};

class TransferUsage : public testing::TestWithParam<UsageCase> {};

TEST_P(TransferUsage, IsRefusedBeforeAnyPortOpens)
{
    const CliRun run = RunCli(GetParam().args);
    EXPECT_EQ(run.status, ExitUsageOrFile);
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(run.err.empty());
}

const UsageCase UsageCases[] = {
    {"ReadWithoutPort", {"read", "--out", "/tmp/kr-t27-never.Kqd"}},
    {"ReadWithoutOut", {"read", "--port", "/dev/kr-t27-absent"}},
    {"ReadFromAMissingBase", {"read", "--port", "/dev/kr-t27-absent", "--out", "/tmp/x.Kqd", "--base", "/nonexistent"}},
    {"WriteWithoutFile", {"write", "--port", "/dev/kr-t27-absent"}},
    {"WriteAMissingFile", {"write", "--port", "/dev/kr-t27-absent", "/nonexistent.Kqd"}},
    {"UnknownPolicy", {"write", "--port", "/dev/kr-t27-absent", "/x.Kqd", "--on-band-difference", "maybe"}},
    {"BandOutOfRange", {"write", "--port", "/dev/kr-t27-absent", "/x.Kqd", "--band", "7"}},
    {"BandZero", {"write", "--port", "/dev/kr-t27-absent", "/x.Kqd", "--band", "0"}},
    {"BothBandForms", {"write", "--port", "/dev/kr-t27-absent", "/x.Kqd", "--band", "1", "--band-limits", "1", "2"}},
    {"PasswordTooLong", {"read", "--port", "/dev/kr-t27-absent", "--out", "/tmp/x.Kqd", "--password",
                         "seventeen-letters"}},
    {"PortsWithAnArgument", {"ports", "extra"}},
    {"SupportBundleIntoAMissingFolder", {"support-bundle", "--out", "/nonexistent/bundle.zip"}},
};

INSTANTIATE_TEST_SUITE_P(Cli, TransferUsage, testing::ValuesIn(UsageCases),
                         [](const testing::TestParamInfo<UsageCase>& info) { return info.param.name; });

TEST(TransferCommands, PortsListsNamesWithTheirDevices)
{
    const CliRun run = RunCli({"ports"});
    EXPECT_EQ(run.status, ExitSuccess);
    ASSERT_FALSE(run.out.empty());
    const std::string first = run.out.substr(0, run.out.find('\n'));
    EXPECT_EQ(first.rfind("COM", 0), 0u) << first;
    EXPECT_EQ(std::count(first.begin(), first.end(), '\t'), 2);
}

// A copy of the program with a settings file beside it that pins COM7 to the radio: the list and a
// transfer both take COM7 to mean the radio.
TEST(TransferCommands, ComNamesFollowThePinsOfTheSettingsFile)
{
    ScratchDir dir;
    RadioProcess radio(QuickRadio);
    const std::string bin = dir.File("bin");
    std::filesystem::create_directory(bin);
    std::filesystem::copy_file(BuiltProgram("kr-t27-cli"), bin + "/kr-t27-cli");
    WriteAll(bin + "/" + SettingsFileName, "[Ports]\nCOM7=" + radio.LinkPath() + "\n");
    const EnvOverride copy("KR_T27_BIN", bin);

    const CliRun ports = RunCli({"ports"});
    EXPECT_NE(ports.out.find("COM7\t" + radio.LinkPath() + "\tsystem\n"), std::string::npos) << ports.out;
    const CliRun read = RunCli({"read", "--port", "COM7", "--out", dir.File("read.Kqd"), "--no-backup", "--fast"});
    EXPECT_EQ(read.status, ExitSuccess) << read.err;
}

// A read from a radio with a password, then the bundle in a copy of the program with its own
// settings file: the trace the read left shows the password as any trace does.
TEST(TransferCommands, SupportBundleHoldsTheLastTracePasswordMasked)
{
    RadioProcess radio(QuickRadioWith({"--password", "kr27"}));
    ScratchDir dir;
    const EnvOverride dataHome("XDG_DATA_HOME", dir.File("data"));
    const std::string bin = dir.File("bin");
    std::filesystem::create_directory(bin);
    std::filesystem::copy_file(BuiltProgram("kr-t27-cli"), bin + "/kr-t27-cli");
    WriteAll(bin + "/" + SettingsFileName, "[config]\nLanguage=0\n");
    const EnvOverride copy("KR_T27_BIN", bin);
    const CliRun read = RunCli({"read", "--port", radio.LinkPath(), "--out", dir.File("read.Kqd"), "--password", "kr27",
                               "--fast"});
    ASSERT_EQ(read.status, ExitSuccess) << read.err;

    const std::string archive = dir.File("bundle.zip");
    const CliRun run = RunCli({"support-bundle", "--out", archive});
    ASSERT_EQ(run.status, ExitSuccess) << run.err;
    EXPECT_EQ(run.out, archive + "\n");
    const std::vector<std::string> names = {"README.txt",          "version.txt", "KR-T27_config.ini", "ports.txt",
                                            "last-transfer.trace", "backups.txt"};
    EXPECT_EQ(UnzipNames(archive), names);
    std::map<std::string, std::string> files;
    for (const ZipMember& member : ZipfileMembers(archive))
        files[member.Name] = member.Bytes;
    EXPECT_NE(files["last-transfer.trace"].find("> 80 ** ** ** **"), std::string::npos) << files["last-transfer.trace"];
    EXPECT_EQ(files["last-transfer.trace"].find("6B 72 32 37"), std::string::npos) << files["last-transfer.trace"];
    EXPECT_EQ(files["backups.txt"].rfind("20260504/", 0), 0u) << files["backups.txt"];
}

}
