#include <gtest/gtest.h>

#include <algorithm>

#include "files/ChannelRowsText.h"
#include "lang/ChannelTexts.h"
#include "model/ChannelRules.h"

namespace {

const BandLimits Uhf{400000000, 470000000};

// Channels 1 and 3 in use, each with its own values; the rest unused.
RadioSettings Sample()
{
    RadioSettings s;
    s.ResetToDefaults();
    for (unsigned n = 1; n <= ChannelCount; ++n)
        s.SetChannelUsed(n, false);
    EnterReceiveFrequency(s, 1, "438.5", Uhf);
    EnterDecodeTone(s.Channel[1], "D023N");
    s.Channel[1].SetPower(0);
    EnterReceiveFrequency(s, 3, "446.00625", Uhf);
    EnterTransmitFrequency(s.Channel[3], "0", Uhf);
    s.Channel[3].SetDtmf(true);
    return s;
}

std::vector<std::string> GridFields(const RadioSettings& s, unsigned channel)
{
    std::vector<std::string> cells = ChannelRowTexts(s, channel, TTeskFuncs::LangEnglish);
    cells.erase(cells.begin());
    return cells;
}

TEST(ChannelRowsText, CopiedRowsPasteBackAsTheGridShowedThem)
{
    RadioSettings s = Sample();
    const std::string text = ChannelRowsText(s, {1, 2, 3});
    EXPECT_EQ(text.rfind("Location\tName\tFrequency\t", 0), 0u) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3) << "the unused channel has no line";

    const ChannelCsvImport pasted = PasteChannelRowsText(text, Uhf, 10, s, nullptr);
    EXPECT_EQ(pasted.imported, 2u);
    EXPECT_TRUE(pasted.notes.empty());
    EXPECT_EQ(GridFields(s, 10), GridFields(s, 1));
    EXPECT_EQ(GridFields(s, 11), GridFields(s, 3));
}

TEST(ChannelRowsText, SpreadsheetTextPastesByTheImportRules)
{
    const struct {
        const char* text;
        bool refused;
        unsigned imported;
        size_t notes;
    } cases[] = {
        {"Name\tFrequency\nA\t446.5\nB\t44x\n", false, 1, 1},
        {"Name,Frequency\r\nA,446.5\r\nB,447\r\n", false, 2, 0},
        {"Location\tName\n1\tA\n", true, 0, 0},
    };
    for (const auto& c : cases) {
        RadioSettings s = Sample();
        const RadioSettings before = s;
        const ChannelCsvImport pasted = PasteChannelRowsText(c.text, Uhf, 5, s, nullptr);
        EXPECT_EQ(pasted.refused, c.refused) << c.text;
        EXPECT_EQ(pasted.imported, c.imported) << c.text;
        EXPECT_EQ(pasted.notes.size(), c.notes) << c.text;
        EXPECT_EQ(s.IsChannelUsed(5), c.imported > 0) << c.text;
        EXPECT_EQ(GridFields(s, 1), GridFields(before, 1)) << c.text;
    }
}

}
