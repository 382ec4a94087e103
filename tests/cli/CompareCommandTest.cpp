#include <gtest/gtest.h>

#include <functional>

#include "CliRunner.h"
#include "FileContents.h"
#include "QuickRadio.h"
#include "RadioProcess.h"
#include "RandomRecord.h"
#include "ScratchDir.h"
#include "cli/ExitCodes.h"
#include "files/ChannelDataFile.h"
#include "model/Password.h"

namespace {

using Change = std::function<void(RadioSettings&)>;

const DateTimeStamp Never{};
const std::string Differences =
    "Channel 3, transmit frequency: 446.00625 / 446.01250\n"
    "VOX Gain: 8 / 5\n";
const std::string DifferencesJson =
    "[\n"
    "    {\n"
    "        \"field\": \"Channel[3].TxFreq\",\n"
    "        \"first\": \"446.00625\",\n"
    "        \"place\": \"信道 3，发射频率\",\n"
    "        \"second\": \"446.01250\"\n"
    "    },\n"
    "    {\n"
    "        \"field\": \"Vox\",\n"
    "        \"first\": \"8\",\n"
    "        \"place\": \"声控增益\",\n"
    "        \"second\": \"5\"\n"
    "    }\n"
    "]\n";
const std::string Same = "No differences: both hold the same settings.\n";

RadioSettings Master(const Change& change = [](RadioSettings&) {})
{
    RadioSettings s;
    s.ResetToDefaults();
    s.SetChannelUsed(3, true);
    s.Channel[3].RxFreq = 446006250;
    s.Channel[3].TxFreq = 446006250;
    StorePasswordText(s.Password, "kr27");
    change(s);
    return s;
}

const Change Retuned = [](RadioSettings& s) {
    s.Channel[3].TxFreq = 446012500;
    s.Vox = 5;
};

std::string SavedRecord(const RadioSettings& settings, const std::string& name)
{
    const std::string path = ScratchFolder() + "/" + name;
    EXPECT_TRUE(SaveChannelFile(path, settings).ok);
    return path;
}

std::string SavedImage(const RadioSettings& settings, const std::string& name)
{
    const MemoryImage image = PackedImage(settings, RadioBand, Never);
    const std::string path = ScratchFolder() + "/" + name;
    WriteAll(path, std::vector<uint8_t>(image.begin(), image.end()));
    return path;
}

struct FileCase {
    const char* name;
    std::function<std::string()> second;
    std::vector<std::string> options;
    int status;
    std::string out;
};

class CompareFiles : public testing::TestWithParam<FileCase> {};

TEST_P(CompareFiles, SaysWhatDiffersAndEndsByIt)
{
    const FileCase& c = GetParam();
    std::vector<std::string> args = {"compare", SavedRecord(Master(), "master.Kqd"), c.second()};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.out, c.out);
}

// An image holds no password, so that of the file it is compared with stands for it.
const FileCase FileCases[] = {
    {"SameRecord", [] { return SavedRecord(Master(), "copy.Kqd"); }, {}, ExitSuccess, Same},
    {"ImageOfTheSame", [] { return SavedImage(Master(), "master.img"); }, {}, ExitSuccess, Same},
    {"Changed", [] { return SavedRecord(Master(Retuned), "changed.Kqd"); }, {}, ExitRecordsDiffer, Differences},
    {"ChangedImageForScripts", [] { return SavedImage(Master(Retuned), "changed.img"); }, {"--json", "--lang", "1"},
     ExitRecordsDiffer, DifferencesJson},
    {"MissingFile", [] { return ScratchFolder() + "/absent.Kqd"; }, {}, ExitUsageOrFile, ""},
};

INSTANTIATE_TEST_SUITE_P(Cli, CompareFiles, testing::ValuesIn(FileCases),
                         [](const testing::TestParamInfo<FileCase>& info) { return info.param.name; });

struct RadioCase {
    const char* name;
    Change radioHolds;
    std::vector<std::string> options;
    int status;
    std::string out;
};

class CompareWithRadio : public testing::TestWithParam<RadioCase> {};

// The radio knows the master's password, which the read presents unless told another.
TEST_P(CompareWithRadio, ReadsTheRadioAndComparesWhatItHolds)
{
    const RadioCase& c = GetParam();
    const MemoryImage memory = PackedImage(Master(c.radioHolds), RadioBand, Never);
    RadioProcess radio(QuickRadioWith({"--password", "kr27"}), &memory);
    std::vector<std::string> args = {"compare", SavedRecord(Master(), "master.Kqd"), "radio:" + radio.LinkPath(),
                                     "--fast"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.out, c.out);
}

const RadioCase RadioCases[] = {
    {"Same", [](RadioSettings&) {}, {}, ExitSuccess, Same},
    {"Retuned", Retuned, {}, ExitRecordsDiffer, Differences},
    {"RetunedForScripts", Retuned, {"--json", "--lang", "1"}, ExitRecordsDiffer, DifferencesJson},
    {"WrongPassword", [](RadioSettings&) {}, {"--password", "kr28"}, ExitPasswordError, "Password Error\n"},
};

INSTANTIATE_TEST_SUITE_P(Cli, CompareWithRadio, testing::ValuesIn(RadioCases),
                         [](const testing::TestParamInfo<RadioCase>& info) { return info.param.name; });

// A file at fault is found before the radio is asked anything.
TEST(CompareCommand, AFileAtFaultLeavesTheRadioAlone)
{
    RadioProcess radio(QuickRadio);
    const CliRun run = RunCli({"compare", "radio:" + radio.LinkPath(), ScratchFolder() + "/absent.Kqd"});
    EXPECT_EQ(run.status, ExitUsageOrFile);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.find("progress"), std::string::npos) << run.err;
}

// A fleet check reads radio after radio and logs each; the one that differs is counted: retuned,
// and without the password only the first radio was given.
TEST(CompareCommand, AFleetCheckLogsEachRadioSameOrItsDifferences)
{
    const MemoryImage memory = PackedImage(Master(), RadioBand, Never);
    const std::string retuned = SavedImage(Master(Retuned), "retuned.mem");
    RadioProcess radio(QuickRadioWith({"--password", "kr27", "--swap-silence", "300", "--next-radio", "20260505",
                                       "--next-radio", "20260506:" + retuned}),
                       &memory);
    const std::string log = ScratchFolder() + "/audit.csv";

    const CliRun run = RunCli({"compare", SavedRecord(Master(), "master.Kqd"), "radio:" + radio.LinkPath(), "--radios",
                               "3", "--log", log, "--fast"});

    EXPECT_EQ(run.status, ExitRecordsDiffer) << run.err;
    EXPECT_NE(run.out.find("Radio 3 (serial 20260506): fields that differ from the file: 3"), std::string::npos)
        << run.out;
    const std::string rows = ReadAll(log);
    for (const char* row : {",20260504,", ",same,", ",20260505,", ",3 differences,"})
        EXPECT_NE(rows.find(row), std::string::npos) << row << "\n" << rows;
}

}  // namespace
