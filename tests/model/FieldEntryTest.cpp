#include <gtest/gtest.h>

#include <functional>

#include "model/FieldEntry.h"

namespace {

using Outcome = EntryOutcome;

const BandLimits Vhf{136000000, 174000000};
const BandLimits Startup{};
constexpr uint32_t Current = 150000000;

struct FrequencyCase {
    const char* rule;
    std::function<Entered<uint32_t>(std::string_view)> enter;
    const char* typed;
    uint32_t stored;
    Outcome outcome;
    const char* shown;
};

Entered<uint32_t> InVhf(std::string_view typed) { return BandFrequencyEntry(typed, Current, Vhf); }
Entered<uint32_t> TransmitInVhf(std::string_view typed) { return TransmitFrequencyEntry(typed, Current, Vhf); }
Entered<uint32_t> Step(std::string_view typed) { return StepEntry(typed, 12500); }

TEST(FieldEntry, FrequenciesSayWhetherTheyWereClampedSnappedOrRefused)
{
    const FrequencyCase cases[] = {
        {"band", InVhf, "145.5", 145500000, Outcome::Accepted, "145.50000"},
        {"band", InVhf, "145.01", 145010000, Outcome::Accepted, "145.01000"},
        {"band", InVhf, "145.0125", 145012500, Outcome::Accepted, "145.01250"},
        {"band", InVhf, "145.0075", 145006250, Outcome::SnappedToRaster, "145.00625"},
        {"band", InVhf, "100", 136000000, Outcome::ClampedToBand, "136.00000"},
        {"band", InVhf, "999", 174000000, Outcome::ClampedToBand, "174.00000"},
        {"band", InVhf, "", 136000000, Outcome::ClampedToBand, "136.00000"},
        {"band", InVhf, "145.0000001", 145000000, Outcome::CharactersDropped, "145.00000"},
        {"band", InVhf, "43x.5", Current, Outcome::Refused, "150.00000"},
        {"band", InVhf, ".", Current, Outcome::Refused, "150.00000"},
        {"band", [](std::string_view t) { return BandFrequencyEntry(t, 0, Startup); }, "520", 470000000,
         Outcome::ClampedToBand, "470.00000"},
        {"transmit", TransmitInVhf, "0", 0, Outcome::Accepted, "0"},
        {"transmit", TransmitInVhf, "", 0, Outcome::Accepted, "0"},
        {"transmit", TransmitInVhf, "100", 136000000, Outcome::ClampedToBand, "136.00000"},
        {"transmit", TransmitInVhf, "145.0075", 145006250, Outcome::SnappedToRaster, "145.00625"},
        {"transmit", TransmitInVhf, "abc", Current, Outcome::Refused, "150.00000"},
        {"step", Step, "0.0125", 12500, Outcome::Accepted, "000.01250"},
        {"step", Step, "0.005", 5000, Outcome::Accepted, "000.00500"},
        {"step", Step, "0.007", 6250, Outcome::SnappedToRaster, "000.00625"},
        {"step", Step, "12", 0, Outcome::ClampedToBand, "0"},
        {"step", Step, "", 0, Outcome::Accepted, "0"},
        {"step", Step, "1,5", 12500, Outcome::Refused, "000.01250"},
    };
    for (const FrequencyCase& c : cases) {
        const Entered<uint32_t> entered = c.enter(c.typed);
        EXPECT_EQ(entered.value, c.stored) << c.rule << " " << c.typed;
        EXPECT_EQ(entered.outcome, c.outcome) << c.rule << " " << c.typed;
        EXPECT_EQ(entered.typed, c.typed) << c.rule;
        EXPECT_EQ(entered.stored, c.shown) << c.rule << " " << c.typed;
    }
}

TEST(FieldEntry, TypedTonesReadAsTheListsTextsAndATextThatIsNoToneKeepsTheTone)
{
    const ToneSetting current{ToneCtcss, 885};
    const struct {
        const char* typed;
        ToneType type;
        ToneCode code;
        Outcome outcome;
        const char* shown;
    } cases[] = {
        {"D023N", ToneDcsNormal, 0x2813, Outcome::Accepted, "D023N"},
        {"D000I", ToneDcsInverted, 0x2800, Outcome::Accepted, "D000I"},
        {"Off", ToneNone, ToneCodeOff, Outcome::Accepted, "Off"},
        {"67.0", ToneCtcss, 670, Outcome::Accepted, "67.0"},
        {"D028N", ToneCtcss, 885, Outcome::Refused, "88.5"},
        {"2600", ToneCtcss, 885, Outcome::Refused, "88.5"},
        // What people type for the list's texts.
        {"67", ToneCtcss, 670, Outcome::Accepted, "67.0"},
        {"254.", ToneCtcss, 2540, Outcome::Accepted, "254.0"},
        {"d023n", ToneDcsNormal, 0x2813, Outcome::Accepted, "D023N"},
        {"23n", ToneDcsNormal, 0x2813, Outcome::Accepted, "D023N"},
        {"d7i", ToneDcsInverted, 0x2807, Outcome::Accepted, "D007I"},
        {"D23", ToneDcsNormal, 0x2813, Outcome::Accepted, "D023N"},
        {"", ToneNone, ToneCodeOff, Outcome::Accepted, "Off"},
        {"23", ToneCtcss, 885, Outcome::Refused, "88.5"},
        {"28n", ToneCtcss, 885, Outcome::Refused, "88.5"},
        {"670", ToneCtcss, 885, Outcome::Refused, "88.5"},
        {"D0231N", ToneCtcss, 885, Outcome::Refused, "88.5"},
        {"6.7", ToneCtcss, 885, Outcome::Refused, "88.5"},
    };
    for (const auto& c : cases) {
        const Entered<ToneSetting> entered = ToneEntry(c.typed, current);
        EXPECT_EQ(entered.value.type, c.type) << c.typed;
        EXPECT_EQ(entered.value.code, c.code) << c.typed;
        EXPECT_EQ(entered.outcome, c.outcome) << c.typed;
        EXPECT_EQ(entered.stored, c.shown) << c.typed;
    }
}

TEST(FieldEntry, DtmfCodesKeepTheirSymbolsAndSayWhatWasDropped)
{
    const struct {
        const char* typed;
        size_t capacity;
        const char* kept;
        Outcome outcome;
    } cases[] = {
        {"12ab*#", 10, "12AB*#", Outcome::Accepted},
        {"", 10, "", Outcome::Accepted},
        {"12x#", 10, "12#", Outcome::CharactersDropped},
        {"0123456789A", 10, "0123456789", Outcome::CharactersDropped},
        {"0123456789A", 11, "0123456789A", Outcome::Accepted},
        {"中1", 10, "1", Outcome::CharactersDropped},
    };
    for (const auto& c : cases) {
        const Entered<std::string> entered = DtmfCodeEntry(c.typed, c.capacity);
        EXPECT_EQ(entered.value, c.kept) << c.typed;
        EXPECT_EQ(entered.stored, c.kept) << c.typed;
        EXPECT_EQ(entered.outcome, c.outcome) << c.typed;
    }
}

TEST(FieldEntry, NumbersAreClampedToTheirRangeOrRefused)
{
    const struct {
        const char* typed;
        unsigned least;
        unsigned stored;
        Outcome outcome;
    } cases[] = {
        {"42", 0, 42, Outcome::Accepted},   {"007", 0, 7, Outcome::Accepted},
        {"300", 0, 255, Outcome::ClampedToBand}, {"99999999999", 0, 255, Outcome::ClampedToBand},
        {"0", 1, 1, Outcome::ClampedToBand}, {"", 0, 9, Outcome::Refused},
        {"4x", 0, 9, Outcome::Refused},     {"-1", 0, 9, Outcome::Refused},
    };
    for (const auto& c : cases) {
        const Entered<unsigned> entered = NumberEntry(c.typed, 9, c.least, 255);
        EXPECT_EQ(entered.value, c.stored) << c.typed;
        EXPECT_EQ(entered.stored, std::to_string(c.stored)) << c.typed;
        EXPECT_EQ(entered.outcome, c.outcome) << c.typed;
    }
}

}
