#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "DeviceNodes.h"
#include "EnvOverride.h"
#include "FileContents.h"
#include "ScratchDir.h"
#include "files/ProgrammingLog.h"
#include "files/Sha256.h"

namespace {

const std::string Header = std::string(ProgrammingLogHeader) + "\r\n";

ProgrammingLogRow Row(const std::string& serial, const std::string& outcome)
{
    ProgrammingLogRow row;
    row.Time = "2026-12-08T09:30:12+01:00";
    row.Serial = serial;
    row.Firmware = "V1.02";
    row.BandMin = 400000000;
    row.BandMax = 470000000;
    row.File = "fleet.Kqd";
    row.RecordSha256 = "ab12";
    row.PttId = "001";
    row.Ani = "100";
    row.Outcome = outcome;
    return row;
}

const std::string WrittenLine =
    "2026-12-08T09:30:12+01:00,SN1,V1.02,400.000000,470.000000,fleet.Kqd,ab12,001,100,written,,,";
// Rows as logs kept them before the port and the identity table's row were logged.
const std::string NarrowHeader = "time,serial,firmware,band_min,band_max,file,record_sha256,ptt_id,ani,outcome,verify";
const std::string NarrowLines[] = {
    "2026-12-07T17:02:00+01:00,SN0,V1.02,400.000000,470.000000,fleet.Kqd,ab12,001,100,written,match",
    "2026-12-07T17:03:00+01:00,SN9,,400.000000,470.000000,\"a,b.Kqd\",ab12,,,communication failure,",
};

TEST(ProgrammingLog, FieldsAreQuotedOnlyWhenTheyMustBe)
{
    ProgrammingLogRow verified = Row("SN1", "written");
    verified.Verify = "match";
    verified.BandMin = 136012500;
    verified.Port = "COM3";
    verified.IdsRow = "4";
    ProgrammingLogRow odd = Row("SN2", "communication failure");
    odd.File = "a,b.Kqd";
    odd.Firmware = "V\"1\"";
    odd.Ani = "";
    // What a radio reports is no formula and no terminal control sequence.
    ProgrammingLogRow hostile = Row("=1+2", "written");
    hostile.Firmware = "V1\x1b[2J\n";
    hostile.File = "-fleet.Kqd";
    hostile.Verify = "@x";
    hostile.Port = "/dev/ttyUSB0";
    const struct {
        ProgrammingLogRow row;
        std::string line;
    } cases[] = {
        {Row("SN1", "written"), WrittenLine},
        {verified,
         "2026-12-08T09:30:12+01:00,SN1,V1.02,136.012500,470.000000,fleet.Kqd,ab12,001,100,written,match,COM3,4"},
        {odd, "2026-12-08T09:30:12+01:00,SN2,\"V\"\"1\"\"\",400.000000,470.000000,\"a,b.Kqd\",ab12,001,,"
              "communication failure,,,"},
        {hostile, "2026-12-08T09:30:12+01:00,'=1+2,V1\\x1b[2J\\x0a,400.000000,470.000000,'-fleet.Kqd,ab12,001,100,"
                  "written,'@x,/dev/ttyUSB0,"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgrammingLogLine(c.row), c.line);
}

TEST(ProgrammingLog, AppendingKeepsWhatIsThereAndAddsOneWholeRow)
{
    const struct {
        const char* name;
        const char* before;  // nullptr: no file yet
        std::string after;
    } cases[] = {
        {"no file", nullptr, Header + WrittenLine + "\r\n"},
        {"empty file", "", Header + WrittenLine + "\r\n"},
        {"ends with a line end", "time,x\nrow 1\n", "time,x\nrow 1\n" + WrittenLine + "\r\n"},
        {"last line unended", "time,x\r\nrow 1", "time,x\r\nrow 1\r\n" + WrittenLine + "\r\n"},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        const std::string path = dir.File("logs/new/programming-log.csv");
        if (c.before) {
            std::filesystem::create_directories(dir.File("logs/new"));
            WriteAll(path, std::string(c.before));
        }
        const FileResult result = AppendProgrammingLogRow(path, Row("SN1", "written"));
        EXPECT_TRUE(result.ok) << c.name;
        EXPECT_EQ(ReadAll(path), c.after) << c.name;
    }
}

// A log from before the last columns is widened whole before it grows, never left with rows of two
// widths, also where it is written in place to keep its other names; so are the browser's rows.
TEST(ProgrammingLog, RowsFromBeforeThePortColumnGetItEmpty)
{
    const std::string before = NarrowHeader + "\r\n" + NarrowLines[0] + "\r\n" + NarrowLines[1];
    const std::string widened = Header + NarrowLines[0] + ",,\r\n" + NarrowLines[1] + ",,\r\n";
    for (const bool hardLinked : {false, true}) {
        ScratchDir dir;
        const std::string path = dir.File("programming-log.csv");
        WriteAll(path, before);
        if (hardLinked)
            std::filesystem::create_hard_link(path, dir.File("second-name.csv"));
        EXPECT_TRUE(AppendProgrammingLogRow(path, Row("SN1", "written")).ok) << hardLinked;
        EXPECT_EQ(ReadAll(path), widened + WrittenLine + "\r\n") << hardLinked;
        if (hardLinked) {
            EXPECT_EQ(ReadAll(dir.File("second-name.csv")), ReadAll(path));
        }
    }
    EXPECT_EQ(ProgrammingLogText({NarrowLines[0], NarrowLines[1]}), widened);
}

// Two cables on one computer, each running a series into the same default log: every row of
// both must be kept, and whole. Prints what it measured.
// The record column must name the same bytes by the same digest wherever the row was made.
TEST(ProgrammingLog, TheRecordIsNamedByItsSha256)
{
    const struct {
        std::string bytes;
        const char* digest;
    } rows[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000, 'a'), "41edece42d63e8d9bf515a9ba6932e1c20cbc9f5a5d134645adb5db1b9737ea3"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Sha256Hex(reinterpret_cast<const uint8_t*>(row.bytes.data()), row.bytes.size()), row.digest)
            << row.bytes.size() << " bytes";
}

TEST(ProgrammingLog, TwoProcessesAppendingAtOnceLoseNoRow)
{
    constexpr int Writers = 2;
    constexpr int RowsEach = 200;
    ScratchDir dir;
    const std::string path = dir.File("programming-log.csv");
    const auto serialOf = [](int writer, int n) { return "W" + std::to_string(writer) + "-" + std::to_string(n); };

    const auto started = std::chrono::steady_clock::now();
    std::vector<pid_t> writers;
    for (int w = 0; w < Writers; ++w) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int failed = 0;
            for (int n = 0; n < RowsEach; ++n)
                failed += AppendProgrammingLogRow(path, Row(serialOf(w, n), "written")).ok ? 0 : 1;
            _exit(failed == 0 ? 0 : 1);
        }
        writers.push_back(child);
    }
    for (const pid_t writer : writers) {
        int status = 0;
        ASSERT_EQ(waitpid(writer, &status, 0), writer);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "an append failed";
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;

    std::set<std::string> whole;
    size_t torn = 0;
    std::istringstream lines(ReadAll(path));
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line + "\n", Header);
    while (std::getline(lines, line)) {
        const size_t from = line.find(',') + 1;
        const std::string serial = line.substr(from, line.find(',', from) - from);
        if (line == ProgrammingLogLine(Row(serial, "written")) + "\r")
            whole.insert(serial);
        else
            ++torn;
    }
    EXPECT_EQ(torn, 0u);
    EXPECT_EQ(whole.size(), size_t(Writers * RowsEach));
    std::printf("%d processes x %d appends: %zu of %d rows kept, %.2f s\n", Writers, RowsEach, whole.size(),
                Writers * RowsEach, took.count());
}

TEST(ProgrammingLog, APipeIsRefusedWithoutBeingOpened)
{
    ScratchDir dir;
    const std::string pipe = dir.File("programming-log.csv");
    ASSERT_TRUE(MakeNode(NodeKind::Pipe, pipe));
    FileResult result;
    EXPECT_FALSE(WaitedOnPipe(pipe, [&] { result = AppendProgrammingLogRow(pipe, Row("SN1", "written")); }));
    EXPECT_EQ(result.problem, FileProblem::NotAFileToSave);
    EXPECT_EQ(NodeAt(pipe), "pipe");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"programming-log.csv"});
}

TEST(ProgrammingLog, LocalTimeCarriesTheZonesOffset)
{
    constexpr std::time_t WinterMorning = 1796718612;  // 2026-12-08 08:30:12 UTC
    constexpr std::time_t SummerNoon = 1782900000;     // 2026-07-01 10:00:00 UTC
    const struct {
        const char* zone;
        std::time_t moment;
        const char* shown;
    } cases[] = {
        {"UTC0", WinterMorning, "2026-12-08T08:30:12+00:00"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", WinterMorning, "2026-12-08T09:30:12+01:00"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", SummerNoon, "2026-07-01T12:00:00+02:00"},
        {"<-0330>3:30", WinterMorning, "2026-12-08T05:00:12-03:30"},
        {"<+1345>-13:45", WinterMorning, "2026-12-08T22:15:12+13:45"},
    };
    for (const auto& c : cases) {
        EnvOverride zone("TZ", c.zone);
        EXPECT_EQ(LocalIsoTime(c.moment), c.shown) << c.zone;
    }
}

TEST(ProgrammingLog, DefaultsToTheProgramsDataFolder)
{
    EnvOverride dataHome("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(DefaultProgrammingLogPath(), "/srv/data/kr-t27/programming-log.csv");
}

}  // namespace
