#pragma once

#include <string>

#include "lang/AppLang.h"
#include "model/RecordCheck.h"

// Where a value the radio cannot take sits, as a person reads it, UTF-8 in `language`: a channel's
// value in words after its channel ("Channel 3, receive frequency"), an address-book code by its
// entry, every other value by the label of the control that edits it ("Key 1 Long Press"). The
// record's member names stay with the JSON dump.
std::string FindingPlace(const RecordFinding& finding, TTeskFuncs::TLangType language);
