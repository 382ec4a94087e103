#include <gtest/gtest.h>

#include <functional>

#include "model/RecordCheck.h"
#include "model/Tone.h"

namespace {

const BandLimits Uhf{400000000, 470000000};

RadioSettings CleanRecord()
{
    RadioSettings s;
    s.ResetToDefaults();
    for (unsigned n : {1u, 16u}) {
        s.SetChannelUsed(n, true);
        s.Channel[n].RxFreq = 438500000;
        s.Channel[n].TxFreq = 446006250;
        s.Channel[n].DecType = ToneCtcss;
        s.Channel[n].DecCode = 885;
        s.Channel[n].EncType = ToneDcsInverted;
        s.Channel[n].EncCode = DcsCodeBase + 0754;
    }
    s.SetAddrBookEntryUsed(2, true);
    s.Entry(2).IdLength = AddrBookIdCapacity;
    return s;
}

TEST(RecordCheck, ADefaultOrCarefullyEditedRecordIsClean)
{
    RadioSettings s;
    s.ResetToDefaults();
    EXPECT_TRUE(CheckRecord(s, Uhf).empty());
    EXPECT_TRUE(CheckRecord(CleanRecord(), Uhf).empty());
}

TEST(RecordCheck, ListsEveryValueTheRadioCannotTake)
{
    const struct {
        const char* what;
        std::function<void(RadioSettings&)> spoil;
        RecordFinding expected;
    } cases[] = {
        {"770 MHz in a 400-470 MHz band", [](RadioSettings& s) { s.Channel[1].RxFreq = 770000000; },
         {1, "RxFreq", "770.00000", RecordProblem::OutsideBand}},
        {"below the band", [](RadioSettings& s) { s.Channel[16].TxFreq = 399995000; },
         {16, "TxFreq", "399.99500", RecordProblem::OutsideBand}},
        {"off both rasters", [](RadioSettings& s) { s.Channel[1].TxFreq = 438501000; },
         {1, "TxFreq", "438.50100", RecordProblem::OffRaster}},
        {"no tone with a code", [](RadioSettings& s) { s.Channel[1].DecType = ToneNone, s.Channel[1].DecCode = 0x1234; },
         {1, "DecType/DecCode", "0/0x1234", RecordProblem::InvalidTone}},
        {"CTCSS below 60 Hz", [](RadioSettings& s) { s.Channel[1].DecCode = 599; },
         {1, "DecType/DecCode", "1/0x0257", RecordProblem::InvalidTone}},
        {"CTCSS above 260 Hz", [](RadioSettings& s) { s.Channel[1].DecCode = 2601; },
         {1, "DecType/DecCode", "1/0x0A29", RecordProblem::InvalidTone}},
        {"DCS past D777", [](RadioSettings& s) { s.Channel[16].EncCode = DcsCodeBase + 01000; },
         {16, "EncType/EncCode", "3/0x2A00", RecordProblem::InvalidTone}},
        {"unknown tone type", [](RadioSettings& s) { s.Channel[16].EncType = 4; },
         {16, "EncType/EncCode", "4/0x29EC", RecordProblem::InvalidTone}},
        {"power 3", [](RadioSettings& s) { s.Channel[1].SetPower(3); }, {1, "Power", "3", RecordProblem::OutsideList}},
        {"busy lock 3", [](RadioSettings& s) { s.Channel[1].SetBusyLock(3); },
         {1, "BusyLock", "3", RecordProblem::OutsideList}},
        {"squelch mode 5", [](RadioSettings& s) { s.Channel[1].SetChSquelchMode(5); },
         {1, "ChSquelchMode", "5", RecordProblem::OutsideList}},
        {"address-book number of 12 digits", [](RadioSettings& s) { s.Entry(2).IdLength = 12; },
         {0, "AddrBook[2].IdLength", "12", RecordProblem::TooLong, 2}},
        {"DTMF code of 11 digits", [](RadioSettings& s) { s.AniLength = 11; },
         {0, "AniLength", "11", RecordProblem::TooLong}},
        {"VOX delay between the list's steps", [](RadioSettings& s) { s.VoxDelay = 1200; },
         {0, "VoxDelay", "1200", RecordProblem::OutsideList}},
        {"time-out past the list", [](RadioSettings& s) { s.Tot = 270; }, {0, "Tot", "270", RecordProblem::OutsideList}},
        {"automatic power-off minutes", [](RadioSettings& s) { s.Apo = 20; }, {0, "Apo", "20", RecordProblem::OutsideList}},
        {"group code 9", [](RadioSettings& s) { s.GroupCode = 9; },
         {0, "GroupCode", "9", RecordProblem::OutsideList}},
        {"monitor on a long press", [](RadioSettings& s) { s.Key2Long = 2; },
         {0, "Key2Long", "2", RecordProblem::OutsideList}},
        {"check box holding 2", [](RadioSettings& s) { s.Whisper = 2; },
         {0, "Whisper", "2", RecordProblem::OutsideList}},
    };
    for (const auto& c : cases) {
        RadioSettings s = CleanRecord();
        c.spoil(s);
        const std::vector<RecordFinding> findings = CheckRecord(s, Uhf);
        ASSERT_EQ(findings.size(), 1u) << c.what;
        EXPECT_EQ(findings[0], c.expected) << c.what << ": " << findings[0].field << " " << findings[0].value;
    }
}

TEST(RecordCheck, IgnoresUnusedChannelsAndEntriesAndChecksAgainstTheBandGiven)
{
    RadioSettings s = CleanRecord();
    s.Channel[5].RxFreq = 770000000;
    s.Channel[5].SetPower(3);
    s.Entry(9).IdLength = 200;
    EXPECT_TRUE(CheckRecord(s, Uhf).empty());

    const BandLimits vhf{136000000, 174000000};
    EXPECT_EQ(CheckRecord(CleanRecord(), vhf).size(), 4u) << "both frequencies of both channels";
}

}
