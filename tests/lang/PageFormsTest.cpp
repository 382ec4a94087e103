#include <gtest/gtest.h>

#include "lang/BandMenuText.h"
#include "lang/BatchSetForm.h"
#include "lang/EntryOutcomeText.h"
#include "lang/OptionTexts.h"
#include "lang/PageCaptions.h"
#include "lang/Utf8Text.h"
#include "model/ToneLists.h"

namespace {

constexpr auto English = TTeskFuncs::LangEnglish;
constexpr auto Simplified = TTeskFuncs::LangSimplifiedChinese;
constexpr auto Traditional = TTeskFuncs::LangTraditionalChinese;

int TonePosition(const char* text)
{
    const auto& tones = BatchToneList();
    for (size_t i = 0; i < tones.size(); ++i)
        if (tones[i].text == text)
            return int(i);
    return -1;
}

TEST(BatchSetForm, ListPositionsBecomeTheChannelsSettings)
{
    const struct {
        const char* decode;
        ToneType type;
        ToneCode code;
    } tones[] = {{"Off", ToneNone, 0xFFFF}, {"D023N", ToneDcsNormal, 0x2813}, {"D000I", ToneDcsInverted, 0x2800}};
    for (const auto& tone : tones) {
        BatchSetChoices choices;
        choices[BatchField::Decode] = TonePosition(tone.decode);
        const ChannelBatch batch = ChosenBatch(choices);
        EXPECT_EQ(batch.decType, tone.type) << tone.decode;
        EXPECT_EQ(batch.decCode, tone.code) << tone.decode;
    }

    BatchSetChoices choices;
    for (const BatchSetControl& control : BatchSetControls())
        choices[control.field] = control.preselected;
    choices[BatchField::StartChannel] = 4;
    choices[BatchField::EndChannel] = 15;
    choices[BatchField::BusyLock] = 2;
    const ChannelBatch batch = ChosenBatch(choices);
    EXPECT_EQ(batch.first, 5u);
    EXPECT_EQ(batch.last, 16u);
    EXPECT_EQ(batch.power, 1) << "high is preselected";
    EXPECT_TRUE(batch.wide);
    EXPECT_TRUE(batch.scanAdd);
    EXPECT_EQ(batch.busyLock, 2) << "CAT";
}

TEST(PageCaptions, ReadAsTheWindowShowsThem)
{
    const BandLimits band{136000000, 174000000};
    const struct {
        std::string shown;
        const char* expected;
    } cases[] = {
        {TextUtf8(BandItemText(1, band, English), English), "Frequency Band 1 (136 - 174MHz)"},
        {TextUtf8(BandItemText(1, band, Simplified), Simplified), "频段 1 (136 - 174MHz)"},
        {TextUtf8(OtherBandText({400000000, 475000000}, English), English), "Frequency Band (400 - 475MHz)"},
        {TextUtf8(EditorPageCaption(EditorPage::Dtmf, Traditional), Traditional), "DTMF"},
        {TextUtf8(EditorPageCaption(EditorPage::Keys, English), English), "Key Assignment"},
        {TextUtf8(KeyGroupCaption(2, English), English), "Key 2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, c.expected);
}

TEST(EntryOutcomeText, OnlyAChangedOrRefusedValueIsTold)
{
    EXPECT_FALSE(EntryOutcomeMessage(EntryOutcome::Accepted, "435", "435.00000"));
    const auto snapped = EntryOutcomeMessage(EntryOutcome::SnappedToRaster, "435.001", "435.00000");
    ASSERT_TRUE(snapped);
    EXPECT_EQ(MessageUtf8(*snapped, English), "435.001 was changed to 435.00000 to fit the 5 kHz / 6.25 kHz raster");
    const auto refused = EntryOutcomeMessage(EntryOutcome::Refused, "abc", "435.00000");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->id, MessageId::EntryRefused);
}

}
