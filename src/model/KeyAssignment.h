#pragma once

#include <cstdint>

#include "model/OptionTable.h"

// What became of a function chosen for a press of a programmable key.
struct KeyAssignment {
    bool taken = true;              // false: a long press beside a momentary short press stays unassigned
    bool longPressCleared = false;  // a momentary short press took the key's long press back to unassigned
};

// Stores `function` for `press`, a key field of the keys page. A momentary function holds only
// while the key is held, so the same key's long press can then do nothing: choosing one clears the
// long press, and a long-press function chosen beside one is not taken.
KeyAssignment AssignKeyFunction(RadioSettings& settings, const OptionField& press, uint32_t function);
