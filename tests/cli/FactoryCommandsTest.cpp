#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "CliRunner.h"
#include "EnvOverride.h"
#include "FileContents.h"
#include "RadioProcess.h"
#include "ScratchDir.h"
#include "calibration/AdjustmentBlock.h"
#include "calibration/AdjustmentFile.h"
#include "cli/ExitCodes.h"

namespace {

const std::string Code = "530962";
const std::vector<std::string> QuickRadio = {"--no-pacing", "--serial", "27182818"};
constexpr size_t CalibrationImageOffset = AdjustmentBlockAddress - MemoryImageBaseAddress;
constexpr size_t SerialNumberImageOffset = 0x430C - MemoryImageBaseAddress;

std::string Bytes(const AdjustmentData& record)
{
    return std::string(reinterpret_cast<const char*>(record.Bytes()), AdjustmentDataSize);
}

AdjustmentData RandomCalibration(uint32_t seed)
{
    std::mt19937 rng(seed);
    AdjustmentData record;
    for (size_t i = 0; i < AdjustmentDataSize; ++i)
        record.Bytes()[i] = uint8_t(rng());
    return record;
}

TEST(FactoryCommands, CalibrationWrittenFromAFileReadsBackIntoAnIdenticalFile)
{
    RadioProcess radio(QuickRadio);
    AdjustmentData record = RandomCalibration(5);
    record.Reserved[0] = record.Reserved[1] = 0;
    const std::string in = ScratchFolder() + "/in.Kqda";
    WriteAll(in, Bytes(record));

    const CliRun written = RunCli({"calibration", "write", "--port", radio.LinkPath(), in, "--access-code", Code});
    ASSERT_EQ(written.status, ExitSuccess) << written.err;
    EXPECT_EQ(written.out, "SUCCESS\n");

    const std::string out = ScratchFolder() + "/out.Kqda";
    const CliRun read = RunCli({"calibration", "read", "--port", radio.LinkPath(), "--out", out, "--access-code", Code});
    ASSERT_EQ(read.status, ExitSuccess) << read.err;
    EXPECT_EQ(ReadAll(out), Bytes(record));

    TransferBuffer block{};
    GetAdjustmentData(record, block);
    const MemoryImage memory = radio.StopAndReadMemory();
    EXPECT_TRUE(std::equal(block.begin(), block.begin() + AdjustmentBlockSize, memory.begin() + CalibrationImageOffset));
}

// Everything under `folder`, relative, sorted.
std::vector<std::string> FilesUnder(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ec))
        if (entry.is_regular_file())
            names.push_back(std::filesystem::relative(entry.path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

// The quick radio in the band the commands write for, on a memory of the test's own.
const std::vector<std::string> BandedRadio = {"--no-pacing", "--serial", "27182818", "--band-limits",
                                              std::to_string(BandLimits::StartupMin),
                                              std::to_string(BandLimits::StartupMax)};

// A radio whose calibration block is random, and the record that block unpacks to.
struct CalibratedRadio {
    MemoryImage memory{};
    AdjustmentData calibration{};

    explicit CalibratedRadio(uint32_t seed)
    {
        TransferBuffer block{};
        GetAdjustmentData(RandomCalibration(seed), block);
        std::copy(block.begin(), block.begin() + AdjustmentBlockSize, memory.begin() + CalibrationImageOffset);
        SetAdjustmentData(block, calibration);
    }
};

TEST(FactoryCommands, CalibrationFilesOfAnotherLengthAreRefusedBeforeAnyPort)
{
    const std::string csv = "Location,Name,Frequency\n1,CALL,438.500000\n";
    for (const std::string& content : {std::string(), std::string(67, '\0'), std::string(69, '\0'), csv}) {
        const std::string file = ScratchFolder() + "/odd.Kqda";
        WriteAll(file, content);
        const std::string expected = "kr-t27-cli: " + file + " is " + std::to_string(content.size()) +
                                     " bytes long; a calibration file holds exactly 68 bytes\n";
        for (const std::vector<std::string>& command :
             {std::vector<std::string>{"calibration", "write", "--port", "/nonexistent", file, "--access-code", Code},
              std::vector<std::string>{"calibration", "dump", file, "--access-code", Code}}) {
            const CliRun refused = RunCli(command);
            EXPECT_EQ(refused.status, ExitUsageOrFile) << command[1] << " " << content.size();
            EXPECT_EQ(refused.err, expected);
            EXPECT_TRUE(refused.out.empty()) << "no transfer ran: " << refused.out;
        }
    }
}

// What the radio held goes into its folder of the backups before a factory write changes it, and
// the write is the one it would be without: the radio ends up holding what was written.
TEST(FactoryCommands, FactoryWritesKeepTheRadiosCalibrationAndSerialNumberFirst)
{
    ScratchDir home;
    EnvOverride dataHome("XDG_DATA_HOME", home.Path());
    const std::string backups = home.File("kr-t27/backups");
    const CalibratedRadio before(11);
    RadioProcess radio(BandedRadio, &before.memory);
    AdjustmentData record = RandomCalibration(12);
    record.Reserved[0] = record.Reserved[1] = 0;
    const std::string in = ScratchFolder() + "/in.Kqda";
    WriteAll(in, Bytes(record));

    const CliRun calibrated = RunCli({"calibration", "write", "--port", radio.LinkPath(), in, "--access-code", Code});
    ASSERT_EQ(calibrated.status, ExitSuccess) << calibrated.err;
    EXPECT_EQ(calibrated.out, "SUCCESS\n");
    std::vector<std::string> kept = FilesUnder(backups);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].substr(0, 9) + kept[0].substr(24), "27182818/-factory.Kqda");
    EXPECT_EQ(kept[1].substr(24), "-factory.sn");
    EXPECT_EQ(ReadAll(backups + "/" + kept[0]), Bytes(before.calibration));
    EXPECT_EQ(ReadAll(backups + "/" + kept[1]), "27182818");
    EXPECT_NE(calibrated.err.find("before this write are backed up in " + backups + "/" + kept[0] + "\n"),
              std::string::npos)
        << calibrated.err;

    const CliRun numbered = RunCli({"serial", "write", "--port", radio.LinkPath(), "42"});
    ASSERT_EQ(numbered.status, ExitSuccess) << numbered.err;
    EXPECT_EQ(numbered.out, "SUCCESS\n");
    kept = FilesUnder(backups);
    ASSERT_EQ(kept.size(), 4u);
    EXPECT_EQ(ReadAll(backups + "/" + kept[2]), Bytes(record)) << "the calibration just written";
    EXPECT_EQ(ReadAll(backups + "/" + kept[3]), "27182818") << "the number before the write";

    ASSERT_EQ(RunCli({"serial", "write", "--port", radio.LinkPath(), "43", "--no-backup"}).status, ExitSuccess);
    ASSERT_EQ(RunCli({"calibration", "write", "--port", radio.LinkPath(), in, "--access-code", Code, "--no-backup"})
                  .status,
              ExitSuccess);
    EXPECT_EQ(FilesUnder(backups).size(), 4u);
    const MemoryImage memory = radio.StopAndReadMemory();
    EXPECT_EQ(std::string(memory.begin() + SerialNumberImageOffset, memory.begin() + SerialNumberImageOffset + 3),
              std::string("43\0", 3));
}

// A factory write that could not keep what the radio held first leaves the radio as it was.
TEST(FactoryCommands, NothingIsWrittenWhenTheRadiosCalibrationCannotBeKept)
{
    ScratchDir home;
    WriteAll(home.File("kr-t27"), std::string("a file where the data folder should be"));
    EnvOverride dataHome("XDG_DATA_HOME", home.Path());
    const CalibratedRadio before(13);
    RadioProcess radio(BandedRadio, &before.memory);
    const std::string in = ScratchFolder() + "/in.Kqda";
    WriteAll(in, Bytes(RandomCalibration(14)));

    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"calibration", "write", "--port", radio.LinkPath(), in, "--access-code", Code},
          std::vector<std::string>{"serial", "write", "--port", radio.LinkPath(), "42"}}) {
        const CliRun refused = RunCli(command);
        EXPECT_EQ(refused.status, ExitUsageOrFile) << command[0];
        EXPECT_TRUE(refused.out.empty()) << refused.out;
        EXPECT_NE(refused.err.find("kr-t27-cli: Cannot back up into " + home.File("kr-t27/backups")),
                  std::string::npos)
            << refused.err;
        EXPECT_NE(refused.err.find("Nothing was written: the radio's calibration could not be backed up first.\n"),
                  std::string::npos);
    }
    const MemoryImage atStart = RadioProcess::MemoryAtStart(BandedRadio, before.memory);
    EXPECT_EQ(radio.StopAndReadMemory(), atStart);
}

TEST(FactoryCommands, CalibrationCommandsWantTheAccessCode)
{
    const std::string file = ScratchFolder() + "/any.Kqda";
    WriteAll(file, std::string(AdjustmentDataSize, '\0'));
    const std::string out = ScratchFolder() + "/never.Kqda";
    const std::vector<std::vector<std::string>> commands = {
        {"calibration", "read", "--port", "/nonexistent", "--out", out},
        {"calibration", "write", "--port", "/nonexistent", file},
        {"calibration", "dump", file},
    };
    for (auto command : commands) {
        const CliRun missing = RunCli(command);
        EXPECT_EQ(missing.status, ExitUsageOrFile) << command[1];
        command.insert(command.end(), {"--access-code", "530962 "});
        const CliRun wrong = RunCli(command);
        EXPECT_EQ(wrong.status, ExitUsageOrFile) << command[1];
        EXPECT_EQ(wrong.err, "kr-t27-cli: calibration: wrong access code\n");
        EXPECT_TRUE(wrong.out.empty());
    }
    EXPECT_FALSE(FileExists(out));
}

TEST(FactoryCommands, DumpShowsTheValuesAsTheDialogWould)
{
    const std::string file = ScratchFolder() + "/ones.Kqda";
    WriteAll(file, std::string(AdjustmentDataSize, '\xFF'));
    const CliRun dump = RunCli({"calibration", "dump", file, "--access-code", Code});
    ASSERT_EQ(dump.status, ExitSuccess) << dump.err;
    EXPECT_NE(dump.out.find("Point[0].Freq\t4294967295\t294.96729\n"), std::string::npos) << dump.out;
    EXPECT_NE(dump.out.find("\nXtal_PP\t255\n"), std::string::npos);
    EXPECT_NE(dump.out.find("\nReserved\tFF FF\n"), std::string::npos);

    const CliRun missing = RunCli({"calibration", "dump", ScratchFolder() + "/absent.Kqda", "--access-code", Code});
    EXPECT_EQ(missing.status, ExitUsageOrFile);
}

TEST(FactoryCommands, SerialNumberIsWrittenAsGivenAndReadBack)
{
    RadioProcess radio(QuickRadio);
    const CliRun before = RunCli({"serial", "read", "--port", radio.LinkPath()});
    ASSERT_EQ(before.status, ExitSuccess) << before.err;
    EXPECT_EQ(before.out, "SUCCESS\n27182818\n");

    const CliRun written = RunCli({"serial", "write", "--port", radio.LinkPath(), "42"});
    ASSERT_EQ(written.status, ExitSuccess) << written.err;
    const CliRun after = RunCli({"serial", "read", "--port", radio.LinkPath()});
    EXPECT_EQ(after.out, "SUCCESS\n42\n");

    const MemoryImage memory = radio.StopAndReadMemory();
    const uint8_t expected[] = {0x34, 0x32, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), memory.begin() + SerialNumberImageOffset));
}

TEST(FactoryCommands, ASerialNumberHoldingControlCharactersIsPrintedEscaped)
{
    RadioProcess radio({"--no-pacing", "--serial-bytes", "1b5b33316d3132"});
    const CliRun run = RunCli({"serial", "read", "--port", radio.LinkPath()});
    ASSERT_EQ(run.status, ExitSuccess) << run.err;
    EXPECT_EQ(run.out, "SUCCESS\n\\x1b[31m12\n");
}

TEST(FactoryCommands, SerialNumbersAreUpToEightDigits)
{
    for (const char* number : {"", "123456789", "12a", "-1"}) {
        const CliRun run = RunCli({"serial", "write", "--port", "/nonexistent", number});
        EXPECT_EQ(run.status, ExitUsageOrFile) << number;
    }
}

TEST(FactoryCommands, AChangedPasswordIsWhatTheRadioAsksForAfterwards)
{
    RadioProcess radio({"--no-pacing", "--password", "old1"});
    const CliRun refused = RunCli({"password", "set", "--port", radio.LinkPath(), "New2"});
    EXPECT_EQ(refused.status, ExitPasswordError);

    const CliRun set = RunCli({"password", "set", "--port", radio.LinkPath(), "--current", "old1", "New2"});
    ASSERT_EQ(set.status, ExitSuccess) << set.err;
    EXPECT_EQ(set.out, "SUCCESS\n");

    const CliRun withOld = RunCli({"serial", "read", "--port", radio.LinkPath(), "--password", "old1"});
    EXPECT_EQ(withOld.status, ExitPasswordError);
    EXPECT_EQ(withOld.out, "Password Error\n");
    const CliRun withOtherCase = RunCli({"serial", "read", "--port", radio.LinkPath(), "--password", "new2"});
    EXPECT_EQ(withOtherCase.status, ExitPasswordError);
    const CliRun withNew = RunCli({"serial", "read", "--port", radio.LinkPath(), "--password", "New2"});
    EXPECT_EQ(withNew.status, ExitSuccess) << withNew.err;
}

TEST(FactoryCommands, AFailedCalibrationReadWritesNoFile)
{
    RadioProcess radio({"--no-pacing", "--password", "secret"});
    const std::string out = ScratchFolder() + "/never.Kqda";
    const CliRun read = RunCli({"calibration", "read", "--port", radio.LinkPath(), "--out", out, "--access-code", Code});
    EXPECT_EQ(read.status, ExitPasswordError);
    EXPECT_FALSE(FileExists(out));
}

TEST(FactoryCommands, NewPasswordsAreAtMostSixteenPrintableCharacters)
{
    for (const char* fresh : {"0123456789abcdefg", "tab\there", "caf\xC3\xA9"}) {
        const CliRun run = RunCli({"password", "set", "--port", "/nonexistent", fresh});
        EXPECT_EQ(run.status, ExitUsageOrFile) << fresh;
    }
}

}
