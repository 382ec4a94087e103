#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

#include "files/ChannelCsv.h"
#include "files/MegahertzText.h"
#include "model/ChannelFields.h"
#include "model/ChannelRules.h"
#include "model/Tone.h"
#include "text/GbkEncoding.h"

namespace {

const BandLimits Uhf{400000000, 470000000};
const BandLimits Vhf{136000000, 174000000};

std::string SharedCsv(const char* name)
{
    std::ifstream in(std::string(KR_SHARED_CSV_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << "shared test data missing: " << KR_SHARED_CSV_DIR << "/" << name;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

RadioSettings EmptyRecord()
{
    RadioSettings s;
    s.ResetToDefaults();
    return s;
}

// Every field the grid shows, in one line: RX TX decode encode mode power scan busy DTMF squelch name.
std::string Describe(const ChannelRecord& c)
{
    static const char* const Powers[] = {"Low", "High", "Mid", "Mid"};
    static const char* const Busy[] = {"OFF", "DQT", "CAT", "?"};
    const auto* name = reinterpret_cast<const char*>(c.Name);
    std::ostringstream out;
    out << MegahertzText(c.RxFreq) << ' ' << MegahertzText(c.TxFreq) << ' '
        << FormatToneText(c.DecCode, ToneType(c.DecType)) << ' ' << FormatToneText(c.EncCode, ToneType(c.EncType))
        << ' ' << (c.Bandwidth() ? "FM" : "NFM") << ' ' << Powers[c.Power()] << ' ' << (c.ScanAdd() ? "ADD" : "DEL")
        << ' ' << Busy[c.BusyLock()] << ' ' << (c.Dtmf() ? "ON" : "OFF") << " sq" << int(c.ChSquelchMode()) << " '"
        << GbkToUtf8(std::string(name, strnlen(name, NameCapacity))) << "'";
    return out.str();
}

std::string Issues(const ChannelCsvImport& outcome)
{
    std::string issues;
    for (const auto& note : outcome.notes)
        issues += std::to_string(note.line) + ":" + std::to_string(int(note.issue)) + "(" + note.detail + ") ";
    return issues;
}

ChannelCsvImport Import(const std::string& text, RadioSettings& s, BandLimits band = Uhf, unsigned first = 1,
                        bool keepLocations = false)
{
    ChannelCsvImportOptions options;
    options.band = band;
    options.firstChannel = first;
    options.keepLocations = keepLocations;
    return ImportChannelCsv(text, options, s);
}

TEST(ChannelCsvImport, StockFrsListFillsTheSixteenChannelsAndReportsTheRest)
{
    RadioSettings s = EmptyRecord();
    const ChannelCsvImport outcome = Import(SharedCsv("US_FRS_and_GMRS_Channels.csv"), s);
    ASSERT_FALSE(outcome.refused);
    EXPECT_EQ(outcome.imported, 16u);
    ASSERT_EQ(outcome.notes.size(), 52u - 16u);
    EXPECT_EQ(outcome.notes.front().line, 18u);
    for (const auto& note : outcome.notes)
        EXPECT_EQ(note.issue, CsvRowIssue::NoChannelLeft) << note.line;
    EXPECT_EQ(Describe(s.Channel[1]), "462.562500 462.562500 Off Off NFM Mid ADD OFF OFF sq0 'FRS 1'");
    EXPECT_EQ(Describe(s.Channel[8]), "467.562500 467.562500 Off Off NFM Low ADD OFF OFF sq0 'FRS 8'");
    EXPECT_EQ(Describe(s.Channel[16]), "462.575000 462.575000 Off Off NFM Mid ADD OFF OFF sq0 'FRS 16'");
    for (unsigned i = 1; i <= ChannelCount; ++i)
        EXPECT_TRUE(s.IsChannelUsed(i)) << i;
}

TEST(ChannelCsvImport, StockListWithKeptLocationsLeavesOutRowsBeyondTheChannels)
{
    RadioSettings s = EmptyRecord();
    const ChannelCsvImport outcome = Import(SharedCsv("US_FRS_and_GMRS_Channels.csv"), s, Uhf, 9, true);
    EXPECT_EQ(outcome.imported, 16u);
    EXPECT_EQ(outcome.notes.front().issue, CsvRowIssue::LocationNotAChannel);
    EXPECT_EQ(outcome.notes.front().detail, "17");
    EXPECT_EQ(Describe(s.Channel[3]), "462.612500 462.612500 Off Off NFM Mid ADD OFF OFF sq0 'FRS 3'");
}

TEST(ChannelCsvImport, EveryCrossModeOfTheSharedFile)
{
    RadioSettings s = EmptyRecord();
    const ChannelCsvImport outcome = Import(SharedCsv("chirp_cross.csv"), s, Vhf);
    EXPECT_EQ(outcome.imported, 8u);
    EXPECT_EQ(Issues(outcome), "");
    const char* expected[] = {
        "144.600000 144.000000 67.0 Off FM High ADD OFF OFF sq2 'DB0SP'",    // ->Tone
        "144.600000 144.000000 D023N Off FM High ADD OFF OFF sq2 'DB0SP'",   // ->DTCS
        "144.600000 144.000000 Off 67.0 FM High ADD OFF OFF sq0 'DB0SP'",    // Tone->
        "144.600000 144.000000 77.0 67.0 FM High ADD OFF OFF sq2 'DB0SP'",   // Tone->Tone
        "144.600000 144.000000 D023N 67.0 FM High ADD OFF OFF sq2 'DB0SP'",  // Tone->DTCS
        "144.600000 144.000000 Off D023N FM High ADD OFF OFF sq0 'DB0SP'",   // DTCS->
        "144.600000 144.000000 67.0 D023N FM High ADD OFF OFF sq2 'DB0SP'",  // DTCS->Tone
        "144.600000 144.000000 D032N D023N FM High ADD OFF OFF sq2 'DB0SP'", // DTCS->DTCS
    };
    for (unsigned i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(Describe(s.Channel[i + 1]), expected[i]) << "row " << i;
}

struct RowCase {
    const char* row;  // Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,Power,Skip,Name
    const char* channel;  // Describe() of channel 1, or empty when the row is left out
    std::vector<CsvRowIssue> issues;
};

class ChannelCsvRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(ChannelCsvRow, FollowsTheRulesOfTyping)
{
    const std::string text = "Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
                             "CrossMode,Mode,Power,Skip,Name\n" +
                             std::string(GetParam().row) + "\n";
    RadioSettings s = EmptyRecord();
    const ChannelCsvImport outcome = Import(text, s);
    const bool taken = *GetParam().channel != '\0';
    EXPECT_EQ(outcome.imported, taken ? 1u : 0u) << Issues(outcome);
    EXPECT_EQ(s.IsChannelUsed(1), taken);
    if (taken) {
        EXPECT_EQ(Describe(s.Channel[1]), GetParam().channel);
    }
    std::vector<CsvRowIssue> issues;
    for (const auto& note : outcome.notes) {
        issues.push_back(note.issue);
        EXPECT_EQ(note.line, 2u);
    }
    EXPECT_EQ(issues, GetParam().issues) << Issues(outcome);
}

using I = CsvRowIssue;
INSTANTIATE_TEST_SUITE_P(
    Rows, ChannelCsvRow,
    ::testing::Values(
        RowCase{"446.0,,0,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,5.0W,,A", "446.000000 446.000000 Off 88.5 FM High ADD OFF OFF sq0 'A'", {}},
        RowCase{"446.0,,0,TSQL,88.5,100.0,023,NN,023,Tone->Tone,NFM,1.0W,S,", "446.000000 446.000000 100.0 100.0 NFM Low DEL OFF OFF sq2 ''", {}},
        RowCase{"446.0,,0,DTCS,88.5,88.5,754,NR,023,Tone->Tone,FM,2.0W,,", "446.000000 446.000000 D754I D754N FM Mid ADD OFF OFF sq2 ''", {}},
        RowCase{"446.0,,0,Cross,88.5,88.5,023,RR,431,DTCS->DTCS,FM,,,", "446.000000 446.000000 D431I D023I FM High ADD OFF OFF sq2 ''", {}},
        RowCase{"446.0,,0,TSQL-R,88.5,88.5,023,NN,023,Tone->Tone,FM,,,", "446.000000 446.000000 Off Off FM High ADD OFF OFF sq0 ''", {I::ReverseToneDropped}},
        RowCase{"446.0,,0,DTCS-R,88.5,88.5,023,NN,023,Tone->Tone,FM,,,", "446.000000 446.000000 Off Off FM High ADD OFF OFF sq0 ''", {I::ReverseToneDropped}},
        RowCase{"446.0,,0,Tone,59.9,88.5,023,NN,023,Tone->Tone,FM,,,", "446.000000 446.000000 Off Off FM High ADD OFF OFF sq0 ''", {I::ToneDropped}},
        RowCase{"446.0,,0,DTCS,88.5,88.5,028,NN,023,Tone->Tone,FM,,,", "446.000000 446.000000 Off Off FM High ADD OFF OFF sq0 ''", {I::ToneDropped}},
        RowCase{"462.5625,+,5.000000,,,,,,,,NFM,,,", "462.562500 467.562500 Off Off NFM High ADD OFF OFF sq0 ''", {}},
        RowCase{"467.5625,-,5.0,,,,,,,,FM,,,", "467.562500 462.562500 Off Off FM High ADD OFF OFF sq0 ''", {}},
        RowCase{"460.0,split,410.000000,,,,,,,,FM,,,", "460.000000 410.000000 Off Off FM High ADD OFF OFF sq0 ''", {}},
        RowCase{"460.0,off,0,,,,,,,,FM,,,", "460.000000 0.000000 Off Off FM High ADD OFF OFF sq0 ''", {}},
        RowCase{"462.5637,,0,,,,,,,,FM,,,", "462.562500 462.562500 Off Off FM High ADD OFF OFF sq0 ''", {I::FrequencyRounded}},
        RowCase{"446.0,,0,,,,,,,,AM,,,", "", {I::ModeNotFm}},
        RowCase{"446.0,,0,,,,,,,,DV,,,", "", {I::ModeNotFm}},
        RowCase{"145.5,,0,,,,,,,,FM,,,", "", {I::OutsideBand}},
        RowCase{"465.0,+,10.0,,,,,,,,FM,,,", "", {I::OutsideBand}},
        RowCase{"abc,,0,,,,,,,,FM,,,", "", {I::BadFrequency}},
        RowCase{"446.0,+,x,,,,,,,,FM,,,", "", {I::BadFrequency}},
        RowCase{"446.0,,0,,,,,,,,FM,0.5W,,ABCDEFGH", "446.000000 446.000000 Off Off FM Low ADD OFF OFF sq0 'ABCDEF'", {I::NameCut}},
        RowCase{"446.0,,0,,,,,,,,FM,1.5W,,AB中文名", "446.000000 446.000000 Off Off FM Mid ADD OFF OFF sq0 'AB中文'", {I::NameCut}},
        RowCase{"446.0,,0,,,,,,,,FM,,,ABC \t中", "446.000000 446.000000 Off Off FM High ADD OFF OFF sq0 'ABC'", {I::NameCut}},
        RowCase{"446.0,,0,,,,,,,,FM,3.5W,,A😀B", "446.000000 446.000000 Off Off FM High ADD OFF OFF sq0 'A?B'", {I::NameCharactersReplaced}},
        RowCase{"446.0,,0,,,,,,,,FM,,,A\xFF" "BC", "446.000000 446.000000 Off Off FM High ADD OFF OFF sq0 'A?BC'", {I::NameCharactersReplaced}},
        RowCase{"446.0,,0,,,,,,,,FM,,,  Pad\t", "446.000000 446.000000 Off Off FM High ADD OFF OFF sq0 'Pad'", {I::NameTrimmed}},
        RowCase{"446.0,,0,,,,,,,,FM,,, '=Tx", "446.000000 446.000000 Off Off FM High ADD OFF OFF sq0 '=Tx'", {I::NameTrimmed}},
        RowCase{"446.0,,0,,,,,,,,FM,,,'-1", "446.000000 446.000000 Off Off FM High ADD OFF OFF sq0 '-1'", {}},
        RowCase{"446.0,,0,,,,,,,,FM,3W,P,", "446.000000 446.000000 Off Off FM Mid ADD OFF OFF sq0 ''", {}},
        RowCase{"446.0,,0,,,,,,,,FM,lots,X,", "446.000000 446.000000 Off Off FM High ADD OFF OFF sq0 ''", {I::ValueIgnored, I::ValueIgnored}}));

TEST(ChannelCsvImport, AcceptsWhatOtherToolsWriteAndFillsTheRestWithNewChannelDefaults)
{
    const struct {
        const char* name;
        std::string text;
        const char* channel;
    } cases[] = {
        {"BomQuotedNamesAnyOrder", "\xEF\xBB\xBF\"Name\",\"Mode\",\"Frequency\"\r\n\"Hi, there\",NFM,446.00625\r\n",
         "446.006250 446.006250 Off Off NFM High ADD OFF OFF sq0 'Hi, th'"},
        {"FrequencyOnlyWithCommentsAndUnknownColumns", "# exported\nColour,frequency\nred,430.5\n",
         "430.500000 430.500000 Off Off FM High ADD OFF OFF sq0 ''"},
        {"OwnColumns", "Frequency,Tone,cToneFreq,BusyLock,DTMF,SquelchMode\n430,TSQL,67.0,CAT,ON,DTMF or CTC/DCS\n",
         "430.000000 430.000000 67.0 67.0 FM High ADD CAT ON sq4 ''"},
        {"ReceiveToneMakesToneSquelch", "Frequency,Tone,CrossMode,RxDtcsCode\n430,Cross,->DTCS,131\n",
         "430.000000 430.000000 D131N Off FM High ADD OFF OFF sq2 ''"},
    };
    for (const auto& c : cases) {
        RadioSettings s = EmptyRecord();
        const ChannelCsvImport outcome = Import(c.text, s);
        EXPECT_EQ(outcome.imported, 1u) << c.name << ": " << Issues(outcome);
        EXPECT_EQ(Describe(s.Channel[1]), c.channel) << c.name;
    }
}

TEST(ChannelCsvImport, StartsAtTheGivenChannelAndKeepsTheOthers)
{
    RadioSettings s = EmptyRecord();
    s.SetChannelUsed(1, true);
    s.Channel[1].RxFreq = 440000000;
    const RadioSettings before = s;
    const ChannelCsvImport outcome = Import("Frequency\n430\n431\n432\n", s, Uhf, 15);
    EXPECT_EQ(outcome.imported, 2u);
    ASSERT_EQ(outcome.notes.size(), 1u);
    EXPECT_EQ(outcome.notes[0].issue, CsvRowIssue::NoChannelLeft);
    EXPECT_EQ(outcome.notes[0].line, 4u);
    EXPECT_EQ(uint32_t(s.Channel[15].RxFreq), 430000000u);
    EXPECT_EQ(uint32_t(s.Channel[16].RxFreq), 431000000u);
    EXPECT_EQ(std::memcmp(&s.Channel[1], &before.Channel[1], sizeof(ChannelRecord)), 0);
}

TEST(ChannelCsvImport, TableWithoutFrequencyIsRefusedAndChangesNothing)
{
    // Without the grid's words its titles are no titles.
    for (const char* text : {"", "# nothing\n", "Location,Name\n1,A\n", "RX Freq.\n446\n", "446,447\n"}) {
        RadioSettings s = EmptyRecord();
        const ChannelCsvImport outcome = Import(text, s);
        EXPECT_TRUE(outcome.refused) << text;
        EXPECT_EQ(std::memcmp(s.BlockBytes(), EmptyRecord().BlockBytes(), RadioSettingsBlockSize), 0);
    }
}

// Some spellings of the grid's titles and words, as the interface gives them all.
GridTableWords SomeGridWords()
{
    GridTableWords words;
    words[size_t(GridColumn::RxFreq)].titles = {"RX Freq.", "接收频率"};
    words[size_t(GridColumn::TxFreq)].titles = {"TX Freq."};
    words[size_t(GridColumn::DecodeTone)].titles = {"QT/DQT Dec"};
    words[size_t(GridColumn::Power)] = {{"TX Power"}, {{"High", PowerHigh}, {"Low", PowerLow}, {"高", PowerHigh}}};
    return words;
}

TEST(ChannelCsvImport, AColumnOfFrequenciesAndATableUnderTheGridsTitlesAreReadToo)
{
    const GridTableWords words = SomeGridWords();
    const struct {
        const char* text;
        unsigned imported;
        const char* issues;
        const char* third;  // the channel the first row fills
    } cases[] = {
        {"446.1\n446.00625\n44x\n438.5\n", 3, "3:2(Frequency=44x) ",
         "446.100000 446.100000 Off Off FM High ADD OFF OFF sq0 ''"},
        {"接收频率\tTX Freq.\tqt/dqt dec\tTX Power\tSkip\n438.5\t0\t67\t高\tS\n439\t\t28n\tMax\t\n", 2,
         "3:6(QT/DQT Dec=28n) 3:11(TX Power=Max) ", "438.500000 0.000000 67.0 Off FM High ADD OFF OFF sq2 ''"},
    };
    for (const auto& c : cases) {
        RadioSettings s = EmptyRecord();
        ChannelCsvImportOptions options;
        options.band = Uhf;
        options.firstChannel = 3;
        options.separator = GuessCsvSeparator(c.text);
        options.gridWords = &words;
        const ChannelCsvImport outcome = ImportChannelCsv(c.text, options, s);
        EXPECT_EQ(outcome.imported, c.imported) << c.text;
        EXPECT_EQ(Issues(outcome), c.issues) << c.text;
        EXPECT_EQ(Describe(s.Channel[3]), c.third) << c.text;
    }
}

TEST(ChannelCsvExport, WritesTheHeaderAndOneCrLfLinePerUsedChannel)
{
    RadioSettings s = EmptyRecord();
    const auto use = [&s](unsigned i, uint32_t rx, uint32_t tx) -> ChannelRecord& {
        s.SetChannelUsed(i, true);
        s.Channel[i].RxFreq = rx;
        FillNewChannel(s.Channel[i]);
        s.Channel[i].TxFreq = tx;
        return s.Channel[i];
    };
    ChannelRecord& three = use(3, 462562500, 467562500);
    three.EncType = ToneCtcss;
    three.EncCode = 885;
    three.SetBandwidth(false);
    three.SetPower(2);
    std::memcpy(three.Name, "\xD6\xD0\xCE\xC4", 4);  // 中文 in GBK
    ChannelRecord& five = use(5, 446000000, 0);
    five.DecType = ToneDcsInverted;
    five.DecCode = 0x2813;
    five.SetScanAdd(false);
    five.SetBusyLock(1);
    five.SetDtmf(true);
    five.SetChSquelchMode(3);
    use(7, 460000000, 380000000);

    EXPECT_EQ(ExportChannelCsv(s).text,
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
              "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE,BusyLock,DTMF,SquelchMode\r\n"
              "3,中文,462.562500,+,5.000000,Tone,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,2.0W,,,,,,OFF,OFF,Carrier\r\n"
              "5,,446.000000,off,0.000000,Cross,88.5,88.5,023,NR,023,->DTCS,FM,5.00,S,5.0W,,,,,,DQT,ON,"
              "DTMF and CTC/DCS\r\n"
              "7,,460.000000,split,380.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,,OFF,OFF,Carrier\r\n");
}

// Every value the grid can give each field, spread over the channels.
RadioSettings GridEditedRecord()
{
    const struct {
        ToneType type;
        ToneCode code;
    } tones[] = {{ToneNone, 0}, {ToneCtcss, 670}, {ToneCtcss, 2541}, {ToneDcsNormal, 0x2813}, {ToneDcsInverted, 0x29EC}};
    const uint32_t tx[] = {0, 430000000, 445006250, 469993750, 401000000};
    const char* names[] = {"", "A", "中文名", "CH 12", "漢字"};
    RadioSettings s = EmptyRecord();
    for (unsigned i = 1; i <= ChannelCount; ++i) {
        ChannelRecord& c = s.Channel[i];
        s.SetChannelUsed(i, true);
        c.RxFreq = 400000000 + i * 4006250;
        FillNewChannel(c);
        c.TxFreq = tx[i % 5];
        c.DecType = tones[i % 5].type;
        c.DecCode = tones[i % 5].code;
        c.EncType = tones[(i / 5 + i) % 5].type;
        c.EncCode = tones[(i / 5 + i) % 5].code;
        c.SetPower(uint8_t(i % 3));
        c.SetBandwidth(i % 2);
        c.SetScanAdd(i % 4 != 1);
        c.SetBusyLock(uint8_t(i % 3));
        c.SetDtmf(i % 3 == 2);
        c.SetChSquelchMode(uint8_t(i % 5));
        const std::string gbk = Utf8ToGbk(names[i % 5]);
        std::memcpy(c.Name, gbk.data(), gbk.size());
    }
    return s;
}

TEST(ChannelCsvRoundTrip, ExportThenImportGivesBackEveryGridField)
{
    const RadioSettings original = GridEditedRecord();
    for (char separator : {CsvComma, CsvTab}) {
        RadioSettings back = EmptyRecord();
        ChannelCsvImportOptions options;
        options.band = Uhf;
        options.keepLocations = true;
        options.separator = separator;
        const ChannelCsvImport outcome = ImportChannelCsv(ExportChannelCsv(original, separator).text, options, back);
        EXPECT_EQ(outcome.imported, ChannelCount);
        EXPECT_EQ(Issues(outcome), "");
        for (unsigned i = 1; i <= ChannelCount; ++i)
            EXPECT_EQ(Describe(back.Channel[i]), Describe(original.Channel[i])) << "channel " << i;
    }
}

RadioSettings NamedChannels(const std::vector<std::string>& names)
{
    RadioSettings s = EmptyRecord();
    for (unsigned i = 1; i <= names.size(); ++i) {
        s.SetChannelUsed(i, true);
        s.Channel[i].RxFreq = 446000000;
        FillNewChannel(s.Channel[i]);
        s.Channel[i].TxFreq = 446000000;
        std::memcpy(s.Channel[i].Name, names[i - 1].data(), std::min(names[i - 1].size(), NameCapacity));
    }
    return s;
}

std::string NameOf(const ChannelRecord& c)
{
    const auto* name = reinterpret_cast<const char*>(c.Name);
    return std::string(name, strnlen(name, NameCapacity));
}

TEST(ChannelCsvRoundTrip, NamesASpreadsheetWouldTakeForFormulasAreWrittenAsTextAndComeBack)
{
    const std::vector<std::string> names = {"=A1", "+B", "-C", "@D", "\tE", "\rF", "'=G", "'H"};
    const RadioSettings original = NamedChannels(names);
    for (char separator : {CsvComma, CsvTab}) {
        const ChannelCsvExport exported = ExportChannelCsv(original, separator);
        EXPECT_TRUE(exported.notes.empty());
        RadioSettings back = EmptyRecord();
        ChannelCsvImportOptions options;
        options.band = Uhf;
        options.separator = separator;
        const ChannelCsvImport outcome = ImportChannelCsv(exported.text, options, back);
        EXPECT_EQ(Issues(outcome), "");
        for (unsigned i = 1; i <= names.size(); ++i) {
            EXPECT_EQ(NameOf(back.Channel[i]), names[i - 1]) << "channel " << i;
            const std::string field = ::ChannelCsvRow(i, original.Channel[i])[1];
            EXPECT_EQ(field, i < names.size() ? "'" + names[i - 1] : names[i - 1]) << "channel " << i;
        }
    }
}

TEST(ChannelCsvExport, NamesWhoseBytesAreNotGbkAreNoted)
{
    const RadioSettings s = NamedChannels({"AB", "A\xFF", "\xD6\xD0", "=\x81"});
    const ChannelCsvExport exported = ExportChannelCsv(s);
    ASSERT_EQ(exported.notes.size(), 2u);
    EXPECT_EQ(exported.notes[0].channel, 2u);
    EXPECT_EQ(exported.notes[0].written, "A?");
    EXPECT_EQ(exported.notes[1].channel, 4u);
    EXPECT_EQ(exported.notes[1].written, "'=?");
    EXPECT_NE(exported.text.find("\r\n2,A?,"), std::string::npos) << exported.text;
}

TEST(ChannelCsvImport, KeepsTheFirstNotesAndCountsTheRest)
{
    std::string text = "Frequency\n";
    for (size_t i = 0; i < MostCsvRowNotes + 100; ++i)
        text += "x\n";
    RadioSettings s = EmptyRecord();
    const ChannelCsvImport outcome = Import(text, s);
    EXPECT_EQ(outcome.notes.size(), MostCsvRowNotes);
    EXPECT_EQ(outcome.notes.back().line, MostCsvRowNotes + 1);
    EXPECT_EQ(outcome.notesLeftOut, 100u);
}

}
