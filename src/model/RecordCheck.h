#pragma once

#include <string>
#include <vector>

#include "model/BandLimits.h"
#include "model/RadioSettings.h"

// What is wrong with one value of a record that the radio could not take as it stands.
enum class RecordProblem {
    OutsideBand,  // a used channel's frequency lies outside the band it is written for
    OffRaster,    // ... or off the 5 kHz / 6.25 kHz raster
    InvalidTone,  // type and code form no tone
    OutsideList,  // a value that no choice list of its field offers
    TooLong,      // a length byte beyond its field's capacity
    WrongSize,    // a channel data file that is not exactly one record long
};

struct RecordFinding {
    unsigned channel = 0;  // 1..16 for a channel's value, 0 for every other field
    std::string field;     // the record's field name, e.g. "RxFreq", "DecType/DecCode", "AddrBook[3].IdLength"
    std::string value;     // as the record holds it, in a form every language shows alike
    RecordProblem problem = RecordProblem::OutsideList;
    unsigned entry = 0;  // 1..16 for an address-book entry's value

    bool operator==(const RecordFinding& o) const
    {
        return channel == o.channel && field == o.field && value == o.value && problem == o.problem &&
               entry == o.entry;
    }
};

// Every value of the record the radio cannot take, in record order: used channels first, then
// the address book, the DTMF code lengths and the options. Empty for a clean record. Unused
// channels and entries are ignored, as the radio ignores them.
std::vector<RecordFinding> CheckRecord(const RadioSettings& settings, const BandLimits& band);
