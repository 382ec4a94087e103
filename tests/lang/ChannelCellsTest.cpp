#include <gtest/gtest.h>

#include "lang/ChannelCells.h"
#include "model/ChannelFields.h"

using namespace TTeskFuncs;

namespace {

const BandLimits Band{400000000, 470000000};

// Channel 1 as a new channel at 438.5 MHz with a name; channel 2 unused.
RadioSettings Sample()
{
    RadioSettings s{};
    s.ResetToDefaults();
    for (unsigned n = 1; n <= ChannelCount; ++n)
        s.SetChannelUsed(n, false);
    EnterChannelCell(s, 1, ColRxFreq, "438.5", Band, LangEnglish);
    EnterChannelCell(s, 1, ColName, "ONE", Band, LangEnglish);
    return s;
}

TEST(ChannelCells, EnteredTextsFollowTheEditorsRulesAndSayWhatBecameOfThem)
{
    const struct {
        unsigned channel;
        ChannelColumn column;
        const char* text;
        TLangType language;
        EntryOutcome outcome;
        const char* shown;
    } cases[] = {
        {1, ColRxFreq, "438.5075", LangEnglish, EntryOutcome::SnappedToRaster, "438.50625"},
        {1, ColRxFreq, "520", LangEnglish, EntryOutcome::ClampedToBand, "470.00000"},
        {1, ColRxFreq, "4x", LangEnglish, EntryOutcome::Refused, "438.50000"},
        {1, ColTxFreq, "0", LangEnglish, EntryOutcome::Accepted, "0"},
        {1, ColDecodeTone, "D023N", LangEnglish, EntryOutcome::Accepted, "D023N"},
        {1, ColEncodeTone, "67x", LangEnglish, EntryOutcome::Refused, "Off"},
        {1, ColPower, "Low", LangEnglish, EntryOutcome::Accepted, "Low"},
        {1, ColPower, "Lo", LangEnglish, EntryOutcome::Refused, "High"},
        {1, ColPower, "中", LangSimplifiedChinese, EntryOutcome::Accepted, "中"},
        {1, ColBusyLock, "DQT", LangEnglish, EntryOutcome::Accepted, "DQT"},
        {1, ColDtmf, "ON", LangEnglish, EntryOutcome::Accepted, "ON"},
        {1, ColSquelchMode, "DTMF or CTC/DCS", LangEnglish, EntryOutcome::Accepted, "DTMF or CTC/DCS"},
        {1, ColName, "ABCDEFG", LangEnglish, EntryOutcome::CharactersDropped, "ABCDEF"},
        {1, ColName, "中文字符", LangEnglish, EntryOutcome::CharactersDropped, "中文字"},
        {1, ColNumber, "05", LangEnglish, EntryOutcome::Refused, "01"},
        {2, ColTxFreq, "438.5", LangEnglish, EntryOutcome::Refused, ""},
        {2, ColRxFreq, "145.5", LangEnglish, EntryOutcome::ClampedToBand, "400.00000"},
    };
    for (const auto& c : cases) {
        RadioSettings s = Sample();
        const ChannelCellEntry entry = EnterChannelCell(s, c.channel, c.column, c.text, Band, c.language);
        EXPECT_EQ(entry.outcome, c.outcome) << c.text;
        EXPECT_EQ(entry.stored, c.shown) << c.text;
        EXPECT_EQ(ChannelCellText(s, c.channel, c.column, c.language), c.shown) << c.text;
    }
}

TEST(ChannelCells, EntriesKeepTheChannelRules)
{
    RadioSettings s = Sample();
    EnterChannelCell(s, 1, ColDecodeTone, "67.0", Band, LangEnglish);
    EXPECT_EQ(ChannelCellText(s, 1, ColSquelchMode, LangEnglish), "CTC/DCS") << "a decode tone brings tone squelch";
    EnterChannelCell(s, 1, ColRxFreq, "", Band, LangEnglish);
    EXPECT_FALSE(s.IsChannelUsed(1)) << "an erased receive frequency removes the channel";
    EnterChannelCell(s, 1, ColRxFreq, "438.5", Band, LangEnglish);
    EXPECT_EQ(ChannelRowTexts(s, 1, LangEnglish),
              (std::vector<std::string>{"01", "438.50000", "438.50000", "Off", "Off", "High", "Wide", "ADD", "OFF",
                                        "OFF", "Carrier", "ONE"}));

    s.Channel[1].SetPower(PowerMidAlternative);
    EnterChannelCell(s, 1, ColPower, "Mid", Band, LangEnglish);
    EXPECT_EQ(s.Channel[1].Power(), PowerMidAlternative) << "the choice shown changes nothing";
}

TEST(ChannelCells, ChoicesTypingAndStepsPerColumn)
{
    EXPECT_EQ(ChannelCellChoices(ColPower, LangEnglish), (std::vector<std::string>{"High", "Low", "Mid"}));
    EXPECT_EQ(ChannelCellChoices(ColBusyLock, LangEnglish), (std::vector<std::string>{"OFF", "CAT", "DQT"}));
    EXPECT_EQ(ChannelCellChoices(ColDtmf, LangSimplifiedChinese), (std::vector<std::string>{"关闭", "开启"}));
    EXPECT_EQ(ChannelCellChoices(ColSquelchMode, LangEnglish).size(), size_t(ChSquelchModeCount));
    const std::vector<std::string> tones = ChannelCellChoices(ColEncodeTone, LangEnglish);
    ASSERT_EQ(tones.size(), 261u);
    EXPECT_EQ(tones.front(), "Off");
    EXPECT_TRUE(ChannelCellChoices(ColName, LangEnglish).empty());

    EXPECT_EQ(ChannelCellTyping(ColRxFreq, "14a5.5.5"), "145.55");
    EXPECT_EQ(ChannelCellTyping(ColDecodeTone, "d023n1"), "D023N");
    EXPECT_EQ(ChannelCellTyping(ColName, "ABCDEFGH"), "ABCDEF");
    EXPECT_EQ(ChannelCellKindOf(ColSquelchMode), ChannelCellKind::Choice);

    RadioSettings s = Sample();
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(StepChannelCell(s.Channel[1], ColPower));
    EXPECT_EQ(s.Channel[1].Power(), PowerHigh) << "three steps come back";
    EXPECT_FALSE(StepChannelCell(s.Channel[1], ColSquelchMode));
}

TEST(ChannelCells, NotesNameTheCellAndWhatItHoldsNow)
{
    const ChannelCellEntry clamped{EntryOutcome::ClampedToBand, "520", "470.00000"};
    EXPECT_EQ(ChannelCellNote(3, ColRxFreq, clamped, LangEnglish),
              "Channel 3 RX Freq.: 520 is outside the band; 470.00000 stored");
    EXPECT_EQ(ChannelCellNote(3, ColRxFreq, clamped, LangSimplifiedChinese), "信道 3 接收频率：520 超出频段，存为 470.00000");
    EXPECT_EQ(ChannelCellNote(3, ColRxFreq, {EntryOutcome::Accepted, "438.5", "438.50000"}, LangEnglish), "");
}

}
