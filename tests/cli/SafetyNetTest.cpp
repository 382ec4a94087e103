#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <sys/stat.h>

#include "CliRunner.h"
#include "EnvOverride.h"
#include "FileContents.h"
#include "FileModes.h"
#include "QuickRadio.h"
#include "RadioProcess.h"
#include "ScratchDir.h"
#include "calibration/AccessCode.h"
#include "calibration/AdjustmentData.h"
#include "cli/ExitCodes.h"
#include "files/ChannelDataFile.h"
#include "model/Password.h"
#include "model/Tone.h"

namespace fs = std::filesystem;

namespace {

const std::string BandMin = std::to_string(RadioBand.BandMin);
const std::string BandMax = std::to_string(RadioBand.BandMax);

RadioSettings CleanRecord()
{
    RadioSettings s;
    s.ResetToDefaults();
    s.SetChannelUsed(1, true);
    s.Channel[1].RxFreq = 438500000;
    s.Channel[1].TxFreq = 438500000;
    return s;
}

std::string Saved(const RadioSettings& settings, const std::string& dir)
{
    const std::string path = dir + "/record.Kqd";
    EXPECT_TRUE(SaveChannelFile(path, settings).ok);
    return path;
}

// Backups of the programs started from here land in a folder of the test's own.
class DataHome {
public:
    DataHome() { setenv("XDG_DATA_HOME", dir_.Path().c_str(), 1); }
    ~DataHome() { setenv("XDG_DATA_HOME", saved_.c_str(), 1); }
    std::string Backups(const std::string& serial) const { return dir_.Path() + "/kr-t27/backups/" + serial; }

private:
    const std::string saved_ = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    ScratchDir dir_;
};

std::vector<std::string> NamesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SafetyNet, WriteRefusesAnUncleanRecordUnlessForced)
{
    ScratchDir dir;
    RadioSettings record = CleanRecord();
    record.Channel[1].RxFreq = 770000000;
    record.Channel[1].DecType = ToneNone;
    record.Channel[1].DecCode = 0x1234;
    const std::string file = Saved(record, dir.Path());
    RadioProcess radio(QuickRadio);
    const CliRun refused = RunCli({"write", "--port", radio.LinkPath(), file, "--band-limits", BandMin, BandMax});
    EXPECT_EQ(refused.status, ExitUsageOrFile);
    EXPECT_NE(refused.err.find("Channel 1, receive frequency = 770.00000: outside the band"), std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("Channel 1, receive tone = 0/0x1234: not a valid tone"), std::string::npos);
    EXPECT_TRUE(refused.out.empty()) << "no transfer ran";

    const CliRun forced =
        RunCli({"write", "--port", radio.LinkPath(), file, "--band-limits", BandMin, BandMax, "--force"});
    EXPECT_EQ(forced.status, ExitSuccess) << forced.err;
}

TEST(SafetyNet, VerifyPassesOnAGoodRadioAndCatchesOneByteStoredWrong)
{
    ScratchDir dir;
    const std::string file = Saved(CleanRecord(), dir.Path());
    RadioProcess good(QuickRadio);
    const CliRun verified =
        RunCli({"write", "--port", good.LinkPath(), file, "--band-limits", BandMin, BandMax, "--verify"});
    EXPECT_EQ(verified.status, ExitSuccess) << verified.err;
    EXPECT_NE(verified.err.find("verified"), std::string::npos);

    RadioProcess failing(QuickRadioWith({"--wrong-byte", std::to_string(0x4123)}));
    const CliRun caught =
        RunCli({"write", "--port", failing.LinkPath(), file, "--band-limits", BandMin, BandMax, "--verify"});
    EXPECT_EQ(caught.status, ExitVerifyMismatch) << caught.err;
    EXPECT_NE(caught.err.find("first at address 0x4123, in 1 bytes"), std::string::npos) << caught.err;
}

TEST(SafetyNet, ReadAndWriteKeepBackupsAndATraceUnlessToldNot)
{
    DataHome home;
    ScratchDir dir;
    const MemoryImage seed{};
    RadioProcess radio(QuickRadio, &seed);
    const std::string out = dir.File("read.Kqd");
    const std::string trace = dir.File("read.trace");
    const CliRun read = RunCli({"read", "--port", radio.LinkPath(), "--out", out, "--trace", trace});
    ASSERT_EQ(read.status, ExitSuccess) << read.err;

    const std::vector<std::string> names = NamesIn(home.Backups("20260504"));
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].size(), std::string("20261208-093012-read.Kqd").size());
    EXPECT_EQ(names[0].substr(16), "read.Kqd");
    EXPECT_EQ(names[1].substr(16), "read.img");
    EXPECT_EQ(ReadAllBytes(home.Backups("20260504") + "/" + names[0]), ReadAllBytes(out));
    const std::vector<uint8_t> image = ReadAllBytes(home.Backups("20260504") + "/" + names[1]);
    const MemoryImage memory = RadioProcess::MemoryAtStart(QuickRadio, seed);
    ASSERT_EQ(image.size(), MemoryImageSize);
    EXPECT_TRUE(std::equal(memory.begin(), memory.begin() + ImageReadEnd, image.begin()));

    const std::string text = ReadAll(trace);
    size_t requests = 0;
    for (size_t at = text.find(" > 52 "); at != std::string::npos; at = text.find(" > 52 ", at + 1))
        ++requests;
    EXPECT_EQ(requests, 50u);

    const CliRun quiet = RunCli({"read", "--port", radio.LinkPath(), "--out", out, "--no-backup"});
    ASSERT_EQ(quiet.status, ExitSuccess) << quiet.err;
    const CliRun written = RunCli({"write", "--port", radio.LinkPath(), out, "--band-limits", BandMin, BandMax,
                                   "--force", "--no-backup"});
    ASSERT_EQ(written.status, ExitSuccess) << written.err;
    EXPECT_EQ(NamesIn(home.Backups("20260504")).size(), 2u);
}

// A write is kept in the folder of the radio that answered, not of the one the record came from,
// and each radio of a series in its own.
TEST(SafetyNet, EachWriteIsBackedUpInTheFolderOfTheRadioThatAnswered)
{
    const std::vector<std::string> serials = {"20260504", "20260505"};
    for (const size_t radios : {size_t(1), serials.size()}) {
        SCOPED_TRACE(radios);
        DataHome home;
        ScratchDir dir;
        RadioSettings record = CleanRecord();
        std::memcpy(record.DeviceSn, "OLDRADIO", DeviceSnSize);
        const std::string file = Saved(record, dir.Path());
        RadioProcess radio(QuickRadioWith({"--swap-silence", "300", "--next-radio", serials[1] + ":" +
                                           dir.File("second.mem")}));
        std::vector<std::string> args = {"write", "--fast", "--port", radio.LinkPath(), file, "--band-limits",
                                         BandMin, BandMax};
        if (radios > 1)
            args.insert(args.end(), {"--radios", std::to_string(radios), "--log", dir.File("log.csv")});

        const CliRun run = RunCli(args);

        ASSERT_EQ(run.status, ExitSuccess) << run.err;
        EXPECT_TRUE(NamesIn(home.Backups("OLDRADIO")).empty());
        for (size_t i = 0; i < radios; ++i) {
            const std::vector<std::string> names = NamesIn(home.Backups(serials[i]));
            ASSERT_EQ(names.size(), 1u) << serials[i];
            EXPECT_EQ(names[0].substr(16), "write.Kqd");
            const std::string backup = home.Backups(serials[i]) + "/" + names[0];
            EXPECT_NE(run.err.find("backup " + backup), std::string::npos) << run.err;
            RadioSettings kept;
            ASSERT_TRUE(OpenChannelFile(backup, kept).ok);
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(kept.DeviceSn), DeviceSnSize), serials[i]);
        }
    }
}

// The folder of --out fills up while the radio is read: it was writable when the command checked.
class FullFolder {
public:
    explicit FullFolder(const std::string& folder) : full_("KR_T27_FULL_FOLDER", fs::canonical(folder).string()) {}

private:
    EnvOverride preload_{"LD_PRELOAD", KR_FULL_DISK_LIBRARY};
    // A sanitized program wants its runtime first; the failure library needs none.
    EnvOverride sanitizer_{"ASAN_OPTIONS", std::string(std::getenv("ASAN_OPTIONS") ? std::getenv("ASAN_OPTIONS") : "") +
                                               ":verify_asan_link_order=0"};
    EnvOverride full_;
};

// The file named after "kept in" on stderr.
std::string KeptPath(const std::string& err)
{
    const std::string says = "What was read is kept in ";
    const size_t start = err.find(says);
    const size_t end = err.find(".\n", err.size() > 2 ? err.size() - 2 : 0);
    if (start == std::string::npos || end == std::string::npos || end < start + says.size())
        return {};
    return err.substr(start + says.size(), end - start - says.size());
}

TEST(SafetyNet, AReadItsFileCannotTakeIsNoSuccessAndSaysWhereItIsKept)
{
    const struct {
        const char* name;
        std::vector<std::string> command;  // --port, --out follow
        bool inBackups;
        size_t size;
    } cases[] = {
        {"read", {"read", "--fast"}, true, RadioSettingsBlockSize},
        {"read without backup", {"read", "--fast", "--no-backup"}, false, RadioSettingsBlockSize},
        {"calibration read", {"calibration", "read", "--fast", "--access-code", std::string(AdjustmentAccessCode)},
         false, AdjustmentDataSize},
    };
    for (const auto& c : cases) {
        DataHome home;
        const std::string temporary = ScratchFolder();
        ScratchDir dir;
        RadioProcess radio(QuickRadio);
        std::vector<std::string> args = c.command;
        args.insert(args.end(), {"--port", radio.LinkPath(), "--out", dir.File("read.out")});
        CliRun run;
        {
            const EnvOverride tmpdir("TMPDIR", temporary);
            const FullFolder full(dir.Path());
            run = RunCli(args);
        }
        EXPECT_EQ(run.status, ExitUsageOrFile) << c.name << run.err;
        EXPECT_EQ(run.out, "") << c.name;
        EXPECT_NE(run.err.find("No space left on device"), std::string::npos) << c.name << run.err;
        EXPECT_TRUE(dir.Names().empty()) << c.name;
        const std::string kept = KeptPath(run.err);
        const std::string where = c.inBackups ? home.Backups("20260504") : temporary;
        EXPECT_EQ(kept.rfind(where + "/", 0), 0u) << c.name << run.err;
        EXPECT_EQ(ReadAllBytes(kept).size(), c.size) << c.name;
        if (!c.inBackups) {
            const fs::path made = fs::path(temporary) / *fs::path(kept).lexically_relative(temporary).begin();
            struct stat folder {};
            ASSERT_EQ(stat(made.c_str(), &folder), 0) << c.name;
            EXPECT_EQ(folder.st_mode & 0777, 0700u) << c.name << ": only the user may look into " << made;
        }
    }
}

// A trace is made to be sent in: the radio's password is masked in it unless asked for, and the
// file is the user's alone.
TEST(SafetyNet, ATraceShowsThePasswordOnlyWhenAskedTo)
{
    const UmaskOverride umask(022);
    ScratchDir dir;
    const std::string password = "2580";
    RadioProcess radio(QuickRadioWith({"--password", password}));
    std::string clear;
    for (const uint8_t b : EncodePassword(reinterpret_cast<const uint8_t*>(password.data()), password.size())) {
        char hex[4];
        std::snprintf(hex, sizeof hex, clear.empty() ? "%02X" : " %02X", unsigned(b));
        clear += hex;
    }
    const struct {
        const char* name;
        std::vector<std::string> options;
        size_t maskedBytes;  // the info answer's password and the password frame's payload
    } cases[] = {
        {"masked.trace", {}, 32},
        {"shown.trace", {"--trace-secrets"}, 0},
    };
    for (const auto& c : cases) {
        const std::string trace = dir.File(c.name);
        std::vector<std::string> args = {"read", "--port", radio.LinkPath(), "--out", dir.File("read.Kqd"),
                                         "--password", password, "--no-backup", "--trace", trace};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliRun read = RunCli(args);
        ASSERT_EQ(read.status, ExitSuccess) << read.err;

        const std::string text = ReadAll(trace);
        size_t masked = 0;
        for (size_t at = text.find(" **"); at != std::string::npos; at = text.find(" **", at + 1))
            ++masked;
        EXPECT_EQ(masked, c.maskedBytes) << c.name;
        EXPECT_EQ(text.find(clear) != std::string::npos, c.maskedBytes == 0) << c.name << "\n" << text;
        EXPECT_EQ(PermissionsOf(trace), 0600u) << c.name;
    }

    const CliRun alone = RunCli({"read", "--port", radio.LinkPath(), "--out", dir.File("read.Kqd"), "--trace-secrets"});
    EXPECT_EQ(alone.status, ExitUsageOrFile);
    EXPECT_NE(alone.err.find("--trace-secrets goes with --trace FILE"), std::string::npos) << alone.err;
}

}
