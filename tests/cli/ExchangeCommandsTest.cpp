#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

#include "BuiltProgram.h"
#include "CliRunner.h"
#include "FileContents.h"
#include "ScratchDir.h"
#include "model/RadioSettings.h"

namespace {

const std::vector<std::string> Uhf = {"--band-limits", "400000000", "470000000"};

std::string Bytes(const RadioSettings& s)
{
    return std::string(reinterpret_cast<const char*>(s.BlockBytes()), RadioSettingsBlockSize);
}

RadioSettings NewRecord()
{
    RadioSettings s{};
    s.ResetToDefaults();
    return s;
}

// Channels as the grid makes them, and the fields no grid edits set as a read or a file would.
RadioSettings FilledRecord()
{
    RadioSettings s = NewRecord();
    for (unsigned i = 1; i <= ChannelCount; i += 3) {
        ChannelRecord& c = s.Channel[i];
        s.SetChannelUsed(i, true);
        c.RxFreq = 430000000 + i * 1012500;
        c.TxFreq = i % 2 ? c.RxFreq + 5000000 : 0;
        c.DecType = i % 2 ? 1 : 3;
        c.DecCode = i % 2 ? 885 : 0x2813;
        c.OptA = uint8_t(i % 5);
        c.OptB = uint8_t(0x90 | (i % 3) << 5);
        std::memcpy(c.Name, "CH", 2);
    }
    s.Channel[2].RxFreq = 123456789;  // an unused channel keeps what it held
    s.Channel[2].Extra[1] = 0x5A;
    s.SetAddrBookEntryUsed(3, true);
    s.Entry(3).EntryNumber = 3;
    s.Entry(3).IdLength = 3;
    s.Entry(3).Id[0] = 14;
    std::memcpy(s.Entry(3).EntryName, "\xD6\xD0\xCE\xC4", 4);
    std::memcpy(s.ReadRadioInfo.ModelIdent, "\x01\x27\x00\x00\x00\x00\xFF\xFF", 8);
    s.ReadRadioInfo.BandMin = 400000000;
    s.WriteRadioInfo.ReportedPassword[15] = 0xEE;
    std::memcpy(s.DeviceSn, "12345678", 8);
    std::memcpy(s.SoftwareVersion, "V1.02 240506", 12);
    std::memcpy(s.Password, "secret", 6);
    s.VoxDelay = 1200;
    s.PriScan = 65535;
    s.AniLength = 2;
    s.Ani[1] = 15;
    return s;
}

std::string RecordFile(const ScratchDir& dir, const char* name, const RadioSettings& s)
{
    WriteAll(dir.File(name), Bytes(s));
    return dir.File(name);
}

std::string Captured(const std::string& command)
{
    std::string out;
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    char buffer[4096];
    for (size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
        out.append(buffer, n);
    return out;
}

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more)
{
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(CliExchange, CsvExportAndImportGiveTheRecordBack)
{
    ScratchDir dir;
    const RadioSettings filled = FilledRecord();
    const std::string record = RecordFile(dir, "filled.Kqd", filled);
    ASSERT_EQ(RunCli({"export-csv", record, "--out", dir.File("table.csv")}).status, 0);
    const std::string table = ReadAll(dir.File("table.csv"));
    EXPECT_EQ(table.substr(0, 28), "Location,Name,Frequency,Dupl");
    EXPECT_NE(table.find("SquelchMode\r\n1,CH,431.012500,+,5.000000,Cross,88.5,88.5"), std::string::npos) << table;

    const CliRun run = RunCli(With({"import-csv", dir.File("table.csv"), "--out", dir.File("back.Kqd"), "--base", record,
                                    "--keep-locations", "--lang", "0"},
                                   Uhf));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("6 channel(s) imported"), std::string::npos) << run.err;
    EXPECT_EQ(ReadAll(dir.File("back.Kqd")), Bytes(filled));
}

TEST(CliExchange, NamesChangedByAnImportOrNotWrittenAsHeldByAnExportAreReported)
{
    ScratchDir dir;
    WriteAll(dir.File("names.csv"), "Name,Frequency\n  Pad ,446.0\nA\xFF" "B,446.5\n'=C,447.0\n");
    const CliRun imported =
        RunCli(With({"import-csv", dir.File("names.csv"), "--out", dir.File("names.Kqd"), "--lang", "0"}, Uhf));
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.err, "Line 2: spaces around the name removed: \"Pad\"\n"
                            "Line 3: characters the radio cannot store became \"?\": \"A?B\"\n"
                            "3 channel(s) imported\n");

    RadioSettings s = NewRecord();
    s.SetChannelUsed(1, true);
    s.Channel[1].RxFreq = 446000000;
    std::memcpy(s.Channel[1].Name, "=\x81", 2);
    const CliRun exported = RunCli({"export-csv", RecordFile(dir, "bad.Kqd", s), "--out", dir.File("bad.csv")});
    EXPECT_EQ(exported.status, 0);
    EXPECT_EQ(exported.err, "kr-t27-cli: Channel 1: the name's bytes are not valid GBK; written as \"'=?\"\n");
    EXPECT_NE(ReadAll(dir.File("bad.csv")).find("\r\n1,'=?,446.000000,"), std::string::npos);
}

TEST(CliExchange, ImportReportsEachRowOnStandardErrorInTheChosenLanguage)
{
    ScratchDir dir;
    WriteAll(dir.File("rows.csv"), "Name,Frequency,Mode\nTooLongName,446.0,NFM\nAir,446.5,AM\nHigh,480.0,FM\n");
    const struct {
        const char* lang;
        std::vector<const char*> lines;
    } cases[] = {
        {"0", {"Line 2: name cut to \"TooLon\"", "Line 3 left out: mode AM is neither FM nor NFM",
               "Line 4 left out: 480.000000 MHz is outside the band", "1 channel(s) imported"}},
        {"1", {"第 2 行：名称已截短为“TooLon”", "第 3 行未导入：模式 AM 不是 FM 或 NFM", "已导入 1 个信道"}},
        {"2", {"第 2 行：名稱已截短為“TooLon”", "已導入 1 個信道"}},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(With({"import-csv", dir.File("rows.csv"), "--out", dir.File("rows.Kqd"), "--lang", c.lang}, Uhf));
        ASSERT_EQ(run.status, 0) << run.err;
        for (const char* line : c.lines)
            EXPECT_NE(run.err.find(line), std::string::npos) << c.lang << ": " << line << "\n" << run.err;
    }
    RadioSettings s{};
    std::memcpy(s.BlockBytes(), ReadAll(dir.File("rows.Kqd")).data(), RadioSettingsBlockSize);
    EXPECT_TRUE(s.IsChannelUsed(1));
    EXPECT_FALSE(s.IsChannelUsed(2));
}

TEST(CliExchange, DumpJsonThenFromJsonGivesTheRecordBackByteForByte)
{
    ScratchDir dir;
    const RadioSettings filled = FilledRecord();
    RadioSettings random{};
    const std::vector<uint8_t> noise = RandomBytes(RadioSettingsBlockSize, 7);
    std::memcpy(random.BlockBytes(), noise.data(), noise.size());
    const struct {
        const char* name;
        RadioSettings record;
        bool base;
    } cases[] = {{"filled, on defaults", filled, false}, {"random bytes, on itself", random, true}};
    for (const auto& c : cases) {
        const std::string record = RecordFile(dir, "in.Kqd", c.record);
        const CliRun dump = RunCli({"dump", record, "--json"});
        ASSERT_EQ(dump.status, 0) << dump.err;
        WriteAll(dir.File("in.json"), dump.out);
        std::vector<std::string> args = {"from-json", dir.File("in.json"), "--out", dir.File("out.Kqd")};
        if (c.base)
            args = With(args, {"--base", record});
        const CliRun back = RunCli(args);
        ASSERT_EQ(back.status, 0) << c.name << ": " << back.err;
        EXPECT_EQ(ReadAll(dir.File("out.Kqd")), Bytes(c.record)) << c.name;
    }
}

TEST(CliExchange, FromJsonTakesAnEditAndKeepsTheRest)
{
    ScratchDir dir;
    const RadioSettings filled = FilledRecord();
    const std::string record = RecordFile(dir, "filled.Kqd", filled);
    WriteAll(dir.File("edit.json"), R"({"Sql": 7, "Channel": [{"Channel": 4, "Name": "中文", "Power": 0}], "Ani": "12#"})");
    const CliRun run = RunCli({"from-json", dir.File("edit.json"), "--base", record, "--out", dir.File("edited.Kqd")});
    ASSERT_EQ(run.status, 0) << run.err;
    RadioSettings expected = filled;
    expected.Sql = 7;
    std::memcpy(expected.Channel[4].Name, "\xD6\xD0\xCE\xC4\0\0", NameCapacity);
    expected.Channel[4].SetPower(0);
    std::memset(expected.Ani, 0, DtmfCodeCapacity);
    expected.Ani[0] = 1;
    expected.Ani[1] = 2;
    expected.Ani[2] = 15;
    expected.AniLength = 3;
    EXPECT_EQ(ReadAll(dir.File("edited.Kqd")), Bytes(expected));
}

TEST(CliExchange, BadInputExitsTwoNamingTheProblemAndWritesNothing)
{
    ScratchDir dir;
    const std::string record = RecordFile(dir, "new.Kqd", NewRecord());
    WriteAll(dir.File("names.csv"), "Location,Name\n1,A\n");
    const auto json = [&dir](const char* name, const std::string& text) {
        WriteAll(dir.File(name), text);
        return dir.File(name);
    };
    const std::string out = dir.File("out");
    const struct {
        std::vector<std::string> args;
        const char* mentions;
    } cases[] = {
        {{"import-csv", dir.File("names.csv"), "--out", out, "--lang", "0"}, "no Frequency column"},
        {{"import-csv", dir.File("missing.csv"), "--out", out}, "missing.csv"},
        {{"import-csv", dir.File("names.csv"), "--out", out, "--band-limits", "9", "x"}, "x"},
        {{"import-csv", dir.File("names.csv"), "--out", out, "--base", dir.File("missing.Kqd")}, "missing.Kqd"},
        {{"export-csv", dir.File("missing.Kqd"), "--out", out}, "missing.Kqd"},
        {{"from-json", json("a.json", "[1, 2]"), "--out", out}, "not an object"},
        {{"from-json", json("b.json", "{\"Sql\": "), "--out", out}, "not JSON"},
        {{"from-json", json("c.json", R"({"Colour": 1})"), "--out", out}, "Colour: no such field"},
        {{"from-json", json("d.json", R"({"Sql": 300})"), "--out", out}, "Sql: 300 is outside 0..255"},
        {{"from-json", json("e.json", R"({"Channel": [{"Channel": 2, "Power": 4}]})"), "--out", out},
         "Channel[0].Power: 4 is outside 0..3"},
        {{"from-json", json("f.json", R"({"Channel": [{"Channel": 17}]})"), "--out", out}, "Channel[0].Channel"},
        {{"from-json", json("g.json", R"({"Channel": [{"Channel": 1, "Wide": true}]})"), "--out", out},
         "Channel[0].Wide: no such field"},
        {{"from-json", json("h.json", R"({"Ani": "12X"})"), "--out", out}, "Ani: holds 'X'"},
        {{"from-json", json("i.json", R"({"DeviceSn": "123456789"})"), "--out", out}, "DeviceSn: longer than 8"},
        {{"from-json", json("j.json", R"({"ReadRadioInfo": {"ModelIdent": "0127"}})"), "--out", out},
         "ReadRadioInfo.ModelIdent: wants 8 bytes"},
        {{"sheet", record}, "--out"},
        {{"sheet", record, "--out", out, "--lang", "3"}, "--lang"},
    };
    const std::string previous = "previous contents";
    for (const auto& c : cases) {
        WriteAll(out, previous);
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.status, 2) << c.args[0] << " " << c.mentions;
        EXPECT_NE(run.err.find(c.mentions), std::string::npos) << run.err;
        EXPECT_EQ(ReadAll(out), previous) << c.args[0];
    }
}

TEST(CliExchange, SheetIsOneA4PageHoldingTheChannelsInTheChosenLanguage)
{
    ScratchDir dir;
    RadioSettings s = FilledRecord();
    const std::string record = RecordFile(dir, "sheet.Kqd", s);
    const struct {
        const char* lang;
        const char* title;
    } cases[] = {{"0", "RX Freq."}, {"1", "接收频率"}, {"2", "接收頻率"}};
    for (const auto& c : cases) {
        const std::string pdf = dir.File(std::string("sheet-") + c.lang + ".pdf");
        const CliRun run = RunCli({"sheet", record, "--out", pdf, "--lang", c.lang});
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string info = Captured("pdfinfo '" + pdf + "'");
        EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
        EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
        const std::string text = Captured("pdftotext '" + pdf + "' -");
        for (const char* held : {c.title, "431.01250", "436.01250", "434.05000", "D023I", "sheet.Kqd", "12345678"})
            EXPECT_NE(text.find(held), std::string::npos) << c.lang << ": " << held << "\n" << text;
    }
}


// A record whose options and keys show every kind of text: values a list offers, values it does
// not (an empty list), flags of 2, and Chinese names.
RadioSettings OddRecord()
{
    RadioSettings s = FilledRecord();
    s.Sql = 12;
    s.Tot = 45;
    s.Beep = 2;
    s.Whisper = 2;
    s.ChannelReport = 2;
    s.Voice = 2;
    s.Key1Short = 3;
    s.Key1Long = 3;
    s.Key2Long = 22;
    std::memcpy(s.Channel[4].Name, "\xC0\xEF\xB3\xCC", 4);  // "里程" in GBK
    return s;
}

// What a reader gets out of the sheet, line by line in sorted order, so that the layout may move
// but no word may change; the date of the day is masked.
std::vector<std::string> SheetWords(const std::string& pdf)
{
    std::istringstream text(Captured("pdftotext '" + pdf + "' -"));
    const std::regex isoDate("\\d{4}-\\d{2}-\\d{2}");
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);)
        if (!line.empty() && line != "\f")
            lines.push_back(std::regex_match(line, isoDate) ? "DATE" : line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

// The words of two records' sheets in the three languages, pinned in SheetWords.txt from the
// sheet as the window's pages once gave it. With KR_WRITE_SHEET_WORDS set the file is written
// anew, from the kr-t27-cli that KR_T27_BIN names.
TEST(CliExchange, SheetWordsAreAsPinned)
{
    ScratchDir dir;
    const std::pair<const char*, RadioSettings> records[] = {{"new.Kqd", NewRecord()}, {"odd.Kqd", OddRecord()}};
    std::ostringstream words;
    for (const auto& [name, record] : records) {
        const std::string file = RecordFile(dir, name, record);
        for (const char* lang : {"0", "1", "2"}) {
            const std::string pdf = dir.File("sheet.pdf");
            const CliRun run = RunCli({"sheet", file, "--out", pdf, "--lang", lang});
            ASSERT_EQ(run.status, 0) << run.err;
            words << "== " << name << " --lang " << lang << '\n';
            for (const std::string& line : SheetWords(pdf))
                words << line << '\n';
        }
    }
    if (std::getenv("KR_WRITE_SHEET_WORDS")) {
        std::ofstream(KR_SHEET_WORDS) << words.str();
        return;
    }
    EXPECT_EQ(words.str(), ReadAll(KR_SHEET_WORDS));
}


// The sheet is painted without widgets, so the command line runs where no widget library is installed.
TEST(CliExchange, TheCommandLineLinksNoWidgetLibrary)
{
    const std::string libraries = Captured("ldd '" + BuiltProgram("kr-t27-cli") + "'");
    EXPECT_NE(libraries.find("libQt6Core"), std::string::npos) << libraries;
    EXPECT_EQ(libraries.find("libQt6Widgets"), std::string::npos) << libraries;
}

}
