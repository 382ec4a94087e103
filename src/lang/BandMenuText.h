#pragma once

#include <string>

#include "lang/AppLang.h"
#include "model/BandLimits.h"

// How the band choices are named, 8-bit in the language asked for like every lookup.

// Band `number` (1..6) of the table: "Frequency Band 1 (136 - 174MHz)".
std::string BandItemText(int number, const BandLimits& band, TTeskFuncs::TLangType language);

// A band that is none of the table's, as a read from a radio can bring: "Frequency Band (400 - 475MHz)".
std::string OtherBandText(const BandLimits& band, TTeskFuncs::TLangType language);
