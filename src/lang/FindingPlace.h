#pragma once

#include <string>

#include "lang/AppLang.h"
#include "model/RecordCheck.h"

// Where a value of the record sits, as a person reads it, UTF-8 in `language`: in the list of
// values the radio cannot take, and in a comparison of two records. A channel's value in words
// after its channel ("Channel 3, receive frequency"), an address-book code by its entry, every
// other value by the label of the control that edits it ("Key 1 Long Press"). The record's member
// names stay with the JSON dump.
std::string FindingPlace(const RecordFinding& finding, TTeskFuncs::TLangType language);
