#include <gtest/gtest.h>

#include <cstring>

#include "lang/AppLang.h"
#include "files/ChannelCsv.h"
#include "lang/ChannelTexts.h"
#include "model/ChannelFields.h"
#include "model/ChannelRules.h"
#include "model/Tone.h"

using namespace TTeskFuncs;

namespace {

// Channel 2 takes the first value of every field, channel 3 all zero, channels 4 and 6 the other
// values, some without a text of their own; channel 5 holds values but is not in use.
RadioSettings Sample()
{
    RadioSettings s{};
    for (unsigned n : {2u, 3u, 4u, 6u})
        s.SetChannelUsed(n, true);
    ChannelRecord& two = s.Channel[2];
    two.RxFreq = 438500000;
    two.TxFreq = 145012500;
    ToneType type;
    ToneCode code;
    ParseToneText("D023N", type, code);
    two.DecType = type;
    two.DecCode = code;
    ParseToneText("67.0", type, code);
    two.EncType = type;
    two.EncCode = code;
    two.SetPower(1);
    two.SetBandwidth(true);
    two.SetScanAdd(true);
    two.SetBusyLock(2);
    two.SetDtmf(true);
    two.SetChSquelchMode(4);
    std::memcpy(two.Name, "\xD6\xD0\xCE\xC4", 4);  // "中文" in GBK
    s.Channel[4].SetPower(3);
    s.Channel[4].SetBusyLock(3);
    s.Channel[4].SetChSquelchMode(7);
    std::memcpy(s.Channel[4].Name, "A\xFF\xAA\xA1", 4);  // bytes that start no GBK character
    s.Channel[5] = two;
    s.Channel[6].SetPower(2);
    s.Channel[6].SetBusyLock(1);
    return s;
}

struct CellCase {
    unsigned channel;
    ChannelColumn column;
    const char* text;  // UTF-8
};

constexpr CellCase CellCases[] = {
    {2, ColNumber, "02"},        {2, ColRxFreq, "438.50000"},          {2, ColTxFreq, "145.01250"},
    {2, ColDecodeTone, "D023N"}, {2, ColEncodeTone, "67.0"},           {2, ColPower, "High"},
    {2, ColBandwidth, "Wide"},   {2, ColScanAdd, "ADD"},               {2, ColBusyLock, "CAT"},
    {2, ColDtmf, "ON"},          {2, ColSquelchMode, "DTMF or CTC/DCS"}, {2, ColName, "中文"},
    {3, ColRxFreq, "0"},         {3, ColDecodeTone, "Off"},            {3, ColPower, "Low"},
    {3, ColBandwidth, "Narrow"}, {3, ColScanAdd, "DEL"},               {3, ColBusyLock, "OFF"},
    {3, ColDtmf, "OFF"},         {3, ColSquelchMode, "Carrier"},       {3, ColName, ""},
    {4, ColPower, "Mid"},        {4, ColBusyLock, ""},                 {4, ColSquelchMode, ""},
    {4, ColName, "A???"},
    {5, ColNumber, "05"},        {5, ColRxFreq, ""},                   {5, ColName, ""},
    {6, ColPower, "Mid"},        {6, ColBusyLock, "DQT"},
    {16, ColNumber, "16"},
};

TEST(ChannelTextsTest, CellsShowTheChannelsValues)
{
    const RadioSettings s = Sample();
    for (const CellCase& c : CellCases)
        EXPECT_EQ(ChannelCellText(s, c.channel, c.column, LangEnglish), c.text)
            << "channel " << c.channel << " column " << int(c.column);
}

TEST(ChannelTextsTest, TitlesFollowTheLanguageButDtmf)
{
    const std::vector<std::string> english{"NO.",       "RX Freq.", "TX Freq.",     "QT/DQT Dec", "QT/DQT Enc",
                                           "TX Power",  "Bandwidth", "SCN",         "Busy Inhibit", "DTMF",
                                           "Squelch Mode", "Name"};
    EXPECT_EQ(ChannelColumnTitles(LangEnglish), english);
    EXPECT_EQ(ChannelColumnTitle(ColName, LangTraditionalChinese), "信道別名");
    EXPECT_EQ(ChannelColumnTitle(ColDtmf, LangTraditionalChinese), "DTMF");
    EXPECT_EQ(ChannelCellText(Sample(), 2, ColScanAdd, LangTraditionalChinese), "添加");
    EXPECT_EQ(ChannelCellText(Sample(), 2, ColBandwidth, LangSimplifiedChinese), "宽带");
    EXPECT_EQ(ChannelCellText(Sample(), 2, ColBandwidth, LangTraditionalChinese), "寬帶");
}

// The language is the one asked for, not the one the program shows.
TEST(ChannelTextsTest, TheLanguageAskedForWinsOverTheProgramsLanguage)
{
    ApplyLanguageSetting(LanguageSetting::English);
    EXPECT_EQ(ChannelCellText(Sample(), 2, ColPower, LangSimplifiedChinese), "高");
    ApplyLanguageSetting(LanguageSetting::SimplifiedChinese);
    EXPECT_EQ(ChannelCellText(Sample(), 2, ColPower, LangEnglish), "High");
}

// Choosing a value from a column's list shows in the cell as the text it was chosen by, and steps
// go through the list in its order.
TEST(ChannelTextsTest, EachChoiceShowsAsItsOwnTextInEveryLanguage)
{
    RadioSettings s = Sample();
    ChannelRecord& channel = s.Channel[3];
    const size_t expectedCount[] = {0, 0, 0, 0, 0, 3, 2, 2, 3, 2, 5, 0};
    for (TLangType language : {LangEnglish, LangSimplifiedChinese, LangTraditionalChinese})
        for (int column = ColNumber; column < ChannelColumnCount; ++column) {
            const auto choices = ChannelColumnChoices(ChannelColumn(column), language);
            EXPECT_EQ(choices.size(), expectedCount[column]) << column;
            for (const ChannelChoice& choice : choices) {
                SetChannelChoice(channel, ChannelColumn(column), choice.value);
                EXPECT_EQ(ChannelChoiceValue(channel, ChannelColumn(column)), choice.value) << column;
                EXPECT_EQ(ChannelCellText(s, 3, ChannelColumn(column), language), choice.text) << column;
            }
        }
    EXPECT_EQ(ChannelColumnChoices(ColPower, LangEnglish)[1].text, "Low") << "High steps to Low";
    EXPECT_EQ(ChannelColumnChoices(ColBusyLock, LangEnglish)[1].text, "CAT") << "OFF steps to CAT";
}

// Cells of the grid pasted into a spreadsheet under its titles, in any of the three languages,
// come back as the grid showed them.
TEST(ChannelTextsTest, ATableOfTheGridsCellsUnderItsTitlesReadsBackInEveryLanguage)
{
    RadioSettings s{};
    s.ResetToDefaults();
    const auto use = [&s](unsigned n, uint32_t rx) -> ChannelRecord& {
        s.SetChannelUsed(n, true);
        s.Channel[n].RxFreq = rx;
        FillNewChannel(s.Channel[n]);
        return s.Channel[n];
    };
    ChannelRecord& one = use(1, 438500000);
    one.TxFreq = 145012500;
    EnterDecodeTone(one, "D023N");
    EnterEncodeTone(one, "67.0");
    one.SetBusyLock(BusyCarrier);
    one.SetDtmf(true);
    one.SetChSquelchMode(4);
    std::memcpy(one.Name, "\xD6\xD0\xCE\xC4", 4);  // "中文" in GBK
    ChannelRecord& two = use(2, 446006250);
    two.TxFreq = 0;
    EnterEncodeTone(two, "D754I");
    two.SetPower(PowerLow);
    two.SetBandwidth(false);
    two.SetScanAdd(false);
    two.SetBusyLock(BusyTone);
    two.SetChSquelchMode(1);
    std::memcpy(two.Name, "AB", 2);
    EnterDecodeTone(use(3, 430000000), "254.1");
    s.Channel[3].SetPower(PowerMid);

    const GridTableWords words = ChannelGridTableWords();
    for (TLangType language : {LangEnglish, LangSimplifiedChinese, LangTraditionalChinese}) {
        const auto line = [](std::vector<std::string> cells) {
            std::string text;
            for (size_t i = ColRxFreq; i < cells.size(); ++i)
                text += cells[i] + (i + 1 < cells.size() ? "\t" : "\n");
            return text;
        };
        std::string table = line(ChannelColumnTitles(language));
        for (unsigned n = 1; n <= 3; ++n)
            table += line(ChannelRowTexts(s, n, language));
        RadioSettings back{};
        back.ResetToDefaults();
        ChannelCsvImportOptions options;
        options.band = {136000000, 470000000};
        options.firstChannel = 5;
        options.separator = GuessCsvSeparator(table);
        options.gridWords = &words;
        const ChannelCsvImport outcome = ImportChannelCsv(table, options, back);
        EXPECT_EQ(outcome.imported, 3u) << table;
        EXPECT_TRUE(outcome.notes.empty()) << table;
        const auto fields = [](const RadioSettings& record, unsigned n) {
            std::vector<std::string> cells = ChannelRowTexts(record, n, LangEnglish);
            cells.erase(cells.begin() + ColNumber);
            return cells;
        };
        for (unsigned n = 1; n <= 3; ++n)
            EXPECT_EQ(fields(back, n + 4), fields(s, n)) << n;
    }
}

}
