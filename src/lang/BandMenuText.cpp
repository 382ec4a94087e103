#include "lang/BandMenuText.h"

#include "files/BandChoice.h"
#include "lang/TextEntries.h"

std::string BandItemText(int number, const BandLimits& band, TTeskFuncs::TLangType language)
{
    return EntryText(TextEntry::FrequencyBand, language) + " " + std::to_string(number) + " (" + BandRangeText(band) +
           ")";
}

std::string OtherBandText(const BandLimits& band, TTeskFuncs::TLangType language)
{
    return EntryText(TextEntry::FrequencyBand, language) + " (" + BandRangeText(band) + ")";
}
