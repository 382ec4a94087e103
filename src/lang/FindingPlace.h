#pragma once

#include <string>

#include "lang/AppLang.h"
#include "model/RecordCheck.h"

// Where a value the radio cannot take sits, as the interface names it, UTF-8 in `language`:
// the label of the control that edits it ("Key 1 Long Press"), after its channel or address-book
// entry where it has one ("Channel 3 RX Freq."). The record's member names stay with the
// command line and the JSON dump.
std::string FindingPlace(const RecordFinding& finding, TTeskFuncs::TLangType language);
