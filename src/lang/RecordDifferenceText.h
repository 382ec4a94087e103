#pragma once

#include <string>
#include <vector>

#include "lang/AppLang.h"
#include "model/RadioSettings.h"
#include "model/RecordComparison.h"

// A difference of two records as a person reads it, UTF-8 in one language: where it is, in the
// words of the check list ("Channel 3, transmit frequency", "VOX Gain", "Key 1 Short Press"), and
// what each record holds there, in the words of the grid and the setting pages. The password is
// a secret: it reads as set, not set, or set but different, never as itself.
struct DifferenceText {
    std::string field;  // DifferenceKey, the same in every language
    std::string place;
    std::string first;
    std::string second;
};

// One difference of the records `first` and `second` as HeldByRadio gives them.
DifferenceText RecordDifferenceText(const FieldDifference& difference, const RadioSettings& first,
                                    const RadioSettings& second, TTeskFuncs::TLangType language);

// Every difference of two records (CompareRecords), in its order; empty when they hold the same.
std::vector<DifferenceText> RecordDifferenceTexts(const RadioSettings& first, const RadioSettings& second,
                                                  TTeskFuncs::TLangType language);

// "Channel 3, transmit frequency: 446.00625 / 446.01250".
std::string DifferenceLine(const DifferenceText& text, TTeskFuncs::TLangType language);

// The differences for scripts: a JSON list of objects with the keys field, place, first and second.
std::string DifferencesJson(const std::vector<DifferenceText>& texts);
