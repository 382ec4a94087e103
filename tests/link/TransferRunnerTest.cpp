#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <cstring>

#include <QTimer>

#include "EnvOverride.h"
#include "FileContents.h"
#include "PseudoTerminal.h"
#include "QuickRadio.h"
#include "RadioProcess.h"
#include "RandomRecord.h"
#include "ScratchDir.h"
#include "TransferHarness.h"
#include "link/engine/LinkEngine.h"

namespace {

// An ending "at once" only has to beat the time-out clearly; a tighter bound flakes when the
// suite shares the machine with builds.
constexpr int WellBeforeTheTimeOutMs = TimeOutMs / 2;

TEST(TransferRunner, WriteThenReadBringsBackEveryImageField)
{
    RadioProcess radio(QuickRadio);
    TransferObjects writer;
    writer.Settings = RandomRecord(7);
    writer.Band = RadioBand;
    const MemoryImage packed = PackedImage(writer.Settings, RadioBand, TransferObjects::Now);

    const TransferRun written = RunTransfer(writer.Context(false), PortChoice::Named(radio.LinkPath()));
    ASSERT_EQ(written.outcome, LinkOutcome::Success);
    EXPECT_EQ(written.bandQuestions, 0);
    EXPECT_TRUE(SameRange(writer.Image, packed, NormalWriteSpan));

    TransferObjects reader;
    reader.Band = BandLimits{136000000, 174000000};
    const TransferRun read = RunTransfer(reader.Context(true), PortChoice::Named(radio.LinkPath()));
    ASSERT_EQ(read.outcome, LinkOutcome::Success);
    EXPECT_TRUE(SameRange(PackedImage(reader.Settings, RadioBand, TransferObjects::Now), packed, ImageWriteEnd));
    EXPECT_EQ(reader.Band, RadioBand);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(reader.Settings.DeviceSn), DeviceSnSize), "20260504");
    EXPECT_EQ(reader.Settings.LastWriteYear, TransferObjects::Now.Year);
    EXPECT_EQ(reader.Settings.LastWriteMinute, TransferObjects::Now.Minute);

    const MemoryImage kept = radio.StopAndReadMemory();
    EXPECT_TRUE(SameRange(kept, packed, NormalWriteSpan));
}

// A write is kept once its radio has answered, in the folder of the serial number that radio
// reported; a backup that fails leaves the write to finish, and no other transfer is kept here.
TEST(TransferRunner, AWriteIsBackedUpInTheFolderOfTheRadioThatAnswered)
{
    const struct {
        const char* name;
        bool isRead;
        bool backUp;
        bool usableFolder;
        bool kept;
    } cases[] = {
        {"write", false, true, true, true},
        {"write without backups", false, false, true, false},
        {"read", true, true, true, false},
        {"write whose backup fails", false, true, false, false},
    };
    RadioProcess radio(QuickRadio);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ScratchDir dir;
        const std::string dataHome = c.usableFolder ? dir.Path() : dir.File("a file");
        if (!c.usableFolder)
            WriteAll(dataHome, std::string());
        const EnvOverride data("XDG_DATA_HOME", dataHome);
        TransferObjects objects;
        objects.Band = RadioBand;
        objects.Link.FastLink = true;
        std::memcpy(objects.Settings.DeviceSn, "OLDRADIO", DeviceSnSize);
        RunOptions options;
        options.writeBackup = c.backUp;

        const TransferRun run = RunTransfer(objects.Context(c.isRead), PortChoice::Named(radio.LinkPath()), options);

        EXPECT_EQ(run.outcome, LinkOutcome::Success);
        EXPECT_EQ(run.writeBackup.result.ok, c.usableFolder);
        EXPECT_EQ(run.writeBackup.recordPath.rfind(dataHome + "/kr-t27/backups/20260504/", 0) == 0, c.kept)
            << run.writeBackup.recordPath;
        if (c.kept) {
            const uint8_t* sent = objects.Settings.BlockBytes();
            EXPECT_EQ(ReadAllBytes(run.writeBackup.recordPath),
                      std::vector<uint8_t>(sent, sent + RadioSettingsBlockSize));
        }
    }
}

size_t CountLines(const std::vector<std::string>& trace, const std::string& part)
{
    return size_t(std::count_if(trace.begin(), trace.end(),
                                [&](const std::string& line) { return line.find(part) != std::string::npos; }));
}

TEST(TransferRunner, TheTraceOfAReadHoldsEveryRequestAnswerAndTheOutcome)
{
    RadioProcess radio(QuickRadio);
    TransferObjects objects;
    const TransferRun run = RunTransfer(objects.Context(true), PortChoice::Named(radio.LinkPath()));
    ASSERT_EQ(run.outcome, LinkOutcome::Success);
    EXPECT_EQ(CountLines(run.trace, " > 52 "), 50u) << "one line per read request";
    EXPECT_GE(CountLines(run.trace, " < 57 "), 50u) << "a line per answer, or more when one comes in pieces";
    EXPECT_EQ(CountLines(run.trace, "# port opened: " + radio.LinkPath()), 1u);
    EXPECT_NE(run.trace.back().find("outcome: success"), std::string::npos);
    EXPECT_EQ(run.linkSteps, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_FALSE(run.partlyWritten);
}

TEST(TransferRunner, AWriteThatFailsAfterItsFirstBlockSaysSo)
{
    RadioProcess radio(QuickRadioWith({"--nak-block", "5"}));
    TransferObjects objects;
    objects.Band = RadioBand;
    const TransferRun run = RunTransfer(objects.Context(false), PortChoice::Named(radio.LinkPath()));
    EXPECT_EQ(run.outcome, LinkOutcome::CommunicationFailure);
    EXPECT_TRUE(run.partlyWritten);

    RadioProcess silent(QuickRadioWith({"--wrong-first-byte", "2"}));
    const TransferRun early = RunTransfer(objects.Context(false), PortChoice::Named(silent.LinkPath()));
    EXPECT_EQ(early.outcome, LinkOutcome::CommunicationFailure);
    EXPECT_FALSE(early.partlyWritten) << "the band answer failed before any block";
}

TEST(TransferRunner, ProgressClimbsStepByStepToFull)
{
    RadioProcess radio(QuickRadio);
    TransferObjects objects;
    objects.Band = RadioBand;
    const TransferRun run = RunTransfer(objects.Context(false), PortChoice::Named(radio.LinkPath()));
    ASSERT_EQ(run.outcome, LinkOutcome::Success);
    ASSERT_FALSE(run.progress.empty());
    EXPECT_TRUE(std::is_sorted(run.progress.begin(), run.progress.end()));
    EXPECT_EQ(run.progress.back(), 100);
    EXPECT_GE(run.progress[run.progress.size() - 2], 97);
}

TEST(TransferRunner, AFloodOfNoiseIsDroppedAndTheNextHelloGetsThrough)
{
    RadioProcess radio(QuickRadioWith({"--flood"}));
    TransferObjects objects;
    const TransferRun run = RunTransfer(objects.Context(true), PortChoice::Named(radio.LinkPath()));
    EXPECT_EQ(run.outcome, LinkOutcome::Success);
    EXPECT_EQ(objects.Band, RadioBand);
}

TEST(TransferRunner, CancelAtTheBandQuestionWritesNothing)
{
    const MemoryImage seed = PackedImage(RandomRecord(21), RadioBand, TransferObjects::Now);
    const MemoryImage before = RadioProcess::MemoryAtStart(QuickRadio, seed);
    RadioProcess radio(QuickRadio, &seed);
    TransferObjects objects;
    objects.Band = BandLimits{136000000, 174000000};
    RunOptions options;
    options.continueAtBandQuestion = false;

    const TransferRun run = RunTransfer(objects.Context(false), PortChoice::Named(radio.LinkPath()), options);
    EXPECT_EQ(run.outcome, LinkOutcome::Closed);
    EXPECT_EQ(run.bandQuestions, 1);
    EXPECT_TRUE(SameRange(radio.StopAndReadMemory(), before, MemoryImageSize));
}

TEST(TransferRunner, ContinueAtTheBandQuestionWritesTheRecordsBand)
{
    RadioProcess radio(QuickRadio);
    TransferObjects objects;
    objects.Band = BandLimits{136000000, 174000000};
    const TransferRun run = RunTransfer(objects.Context(false), PortChoice::Named(radio.LinkPath()));
    EXPECT_EQ(run.outcome, LinkOutcome::Success);
    EXPECT_EQ(run.bandQuestions, 1);
    EXPECT_TRUE(SameRange(radio.StopAndReadMemory(), objects.Image, NormalWriteSpan));
}

TEST(TransferRunner, PasswordSettingChangesThePasswordWithoutMovingBlocks)
{
    RadioProcess radio(QuickRadioWith({"--password", "old"}));
    TransferObjects objects;
    std::memcpy(objects.Settings.Password, "old", 3);
    std::memcpy(objects.Settings.NewPassword, "new1", 4);
    const TransferRun set = RunTransfer(objects.Context(false, TransferKind::PasswordSetting),
                                        PortChoice::Named(radio.LinkPath()));
    ASSERT_EQ(set.outcome, LinkOutcome::Success);
    EXPECT_STREQ(reinterpret_cast<const char*>(objects.Settings.Password), "new1");

    TransferObjects reader;
    std::memcpy(reader.Settings.Password, "new1", 4);
    EXPECT_EQ(RunTransfer(reader.Context(true), PortChoice::Named(radio.LinkPath())).outcome, LinkOutcome::Success);
}

TEST(TransferRunner, ANamedPortThatWillNotOpenIsExplainedAndCanEndAtOnce)
{
    TransferObjects objects;
    RunOptions options;
    options.endAtOnceWhenPortFails = true;
    const TransferRun run = RunTransfer(objects.Context(true), PortChoice::Named("/dev/kr-t27-absent"), options);
    EXPECT_EQ(run.outcome, LinkOutcome::CommunicationFailure);
    ASSERT_EQ(run.portProblems.size(), 1u);
    EXPECT_NE(run.portProblems[0].find("/dev/kr-t27-absent"), std::string::npos);
    EXPECT_LT(run.elapsedMs, WellBeforeTheTimeOutMs);
}

// Nothing is sent to a port that did not open, not even into the trace.
TEST(TransferRunner, ANamedPortThatWillNotOpenOtherwiseRunsIntoTheTimeOut)
{
    TransferObjects objects;
    const TransferRun run = RunTransfer(objects.Context(true), PortChoice::Named("/dev/kr-t27-absent"));
    EXPECT_EQ(run.outcome, LinkOutcome::CommunicationFailure);
    EXPECT_GE(run.elapsedMs, TimeOutMs);
    for (const std::string& line : run.trace)
        EXPECT_EQ(line.find(" > "), std::string::npos) << line;
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A pulled cable used to leave a hung-up descriptor that polled readable until the time-out.
TEST(TransferRunner, APortThatVanishesEndsTheTransferSoonAndWithoutSpinning)
{
    constexpr int VanishAfterMs = PortSettleMs + 300;
    constexpr double CpuBudgetSeconds = 0.2;
    PseudoTerminal pty;
    TransferObjects objects;
    QTimer::singleShot(VanishAfterMs, [&pty] { pty.Hangup(); });
    const double cpuBefore = CpuSeconds();
    const TransferRun run = RunTransfer(objects.Context(true), PortChoice::Named(pty.SlavePath()));
    const double cpu = CpuSeconds() - cpuBefore;
    EXPECT_EQ(run.outcome, LinkOutcome::CommunicationFailure);
    EXPECT_LT(run.elapsedMs, VanishAfterMs + WellBeforeTheTimeOutMs);
    EXPECT_LT(cpu, CpuBudgetSeconds);
    std::printf("vanished port: ended after %lld ms, %.3f s of CPU time\n", run.elapsedMs, cpu);
}

TEST(TransferRunner, SearchingNoPortsFailsAtOnce)
{
    TransferObjects objects;
    const TransferRun run = RunTransfer(objects.Context(true), PortChoice::Searching({}));
    EXPECT_EQ(run.outcome, LinkOutcome::CommunicationFailure);
    EXPECT_LT(run.elapsedMs, WellBeforeTheTimeOutMs);
}

}
