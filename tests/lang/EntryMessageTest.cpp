#include <gtest/gtest.h>

#include "lang/EntryMessage.h"
#include "lang/RecordText.h"
#include "lang/Utf8Text.h"
#include "model/FieldEntry.h"
#include "model/RadioSettings.h"

namespace {

using TTeskFuncs::LangEnglish;
using TTeskFuncs::LangSimplifiedChinese;

const BandLimits Uhf{400000000, 470000000};
const BandLimits HalfMegahertzBand{136500000, 174000000};

std::string Said(const std::optional<Message>& message, TTeskFuncs::TLangType language = LangEnglish)
{
    return message ? MessageUtf8(*message, language) : std::string();
}

TEST(EntryMessage, SaysWhatTheCellShowsAndWhyItDiffersFromWhatWasTyped)
{
    const auto frequency = [](const char* typed, const BandLimits& band) {
        return Said(EntryMessage(EnteredField::Frequency, BandFrequencyEntry(typed, 438000000, band), band));
    };
    const auto tone = [](const char* typed) {
        return Said(EntryMessage(EnteredField::Tone, ToneEntry(typed, {ToneCtcss, 885})));
    };
    const struct {
        std::string said;
        const char* expected;
    } cases[] = {
        {frequency("520", Uhf), "470.00000: 520 is above the band 400-470 MHz"},
        {frequency("12", Uhf), "400.00000: 12 is below the band 400-470 MHz"},
        {frequency("100", HalfMegahertzBand), "136.50000: 100 is below the band 136.5-174 MHz"},
        {frequency("438.0075", Uhf), "438.00625: 438.0075 is not on the 5 kHz or 6.25 kHz raster and was rounded down"},
        {frequency("438.1250001", Uhf), "438.12500: 438.1250001 does not fit whole; the cell keeps what fits"},
        {frequency("438.125", Uhf), ""},
        {frequency("4x8", Uhf), "438.00000: \"4x8\" is not a frequency; the cell keeps its value"},
        {tone("67"), ""},
        {tone("28n"), "88.5: \"28n\" is not a tone; the cell keeps its value"},
        {Said(EntryMessage(EnteredField::Name, NameEntry("Repeater", NameCapacity))),
         "Repeat: Repeater does not fit whole; the cell keeps what fits"},
        {Said(KeysLeftOutMessage("145.50000", "ax")), "145.50000: left out \"ax\", which the cell does not take"},
        {Said(EntryMessage(EnteredField::Frequency, BandFrequencyEntry("520", 0, Uhf), Uhf), LangSimplifiedChinese),
         "470.00000：520 高于频段 400-470 MHz"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.said, c.expected);
}

}
