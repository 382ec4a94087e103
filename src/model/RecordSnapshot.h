#pragma once

#include <cstring>

#include "model/BandLimits.h"
#include "model/RadioSettings.h"

// Everything a change of the record can touch: the record with its last-programmed stamp, the
// current band and which band of the table is selected. Restoring one gives back the state
// before the change whole, whichever editor or command made it.
struct RecordSnapshot {
    RadioSettings record{};
    BandLimits band{};
    int bandSelection = 0;

    bool operator==(const RecordSnapshot& o) const
    {
        return std::memcmp(&record, &o.record, sizeof record) == 0 && band == o.band &&
               bandSelection == o.bandSelection;
    }
    bool operator!=(const RecordSnapshot& o) const { return !(*this == o); }
};
