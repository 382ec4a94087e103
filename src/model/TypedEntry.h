#pragma once

#include <cstdint>
#include <string>

// What became of a text typed into a field, so that every front end can tell the user what was
// stored and why it differs from what was typed.
enum class EntryOutcome : uint8_t {
    Accepted,           // stored as typed
    SnappedToRaster,    // a frequency lowered onto the 5 kHz / 6.25 kHz raster
    ClampedToBand,      // a value beyond what the field takes, replaced by the nearest value it takes
    CharactersDropped,  // characters the field cannot hold were left out or replaced
    Refused,            // no value of the field: the field keeps what it held
};

// The value to store (the field's previous value when refused), the outcome, and both sides as
// text: what was typed, and the stored value as the field shows it, e.g. "520" and "470.00000".
template <typename Value>
struct Entered {
    Value value{};
    EntryOutcome outcome = EntryOutcome::Accepted;
    std::string typed;
    std::string stored;
};
