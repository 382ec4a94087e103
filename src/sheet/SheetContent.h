#pragma once

#include <string>
#include <vector>

#include "lang/AppLang.h"
#include "model/BandLimits.h"
#include "model/LocalClock.h"
#include "model/RadioSettings.h"

// What the channel sheet tells beside the record itself.
struct SheetFacts {
    std::string fileName;  // UTF-8: the data file the record came from or went to; empty when none
    DateTimeStamp date;
    BandLimits band;
};

struct LabelledValue {
    std::string label;
    std::string value;
};

// The sheet's texts, UTF-8 in one language, worded as the main window's pages word them.
struct SheetContent {
    std::string title;
    std::vector<LabelledValue> facts;
    std::vector<std::vector<std::string>> channelRows;  // the column titles first, then channels 1 to 16
    std::string optionsTitle;
    std::vector<LabelledValue> options;
    std::string keysTitle;
    std::vector<LabelledValue> keys;
};

// The channel rows from the channel texts, the options and keys from the option table: every list
// and check box the option page offers, then each key's lists, with what they show for the record.
SheetContent GatherSheetContent(const RadioSettings& settings, const SheetFacts& facts,
                                TTeskFuncs::TLangType language);
