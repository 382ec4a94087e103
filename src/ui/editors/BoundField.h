#pragma once

#include <functional>
#include <vector>

#include "model/OptionTable.h"
#include "model/RadioSettings.h"

// Reads and writes one numeric field of the record, whatever its width.
struct FieldAccess {
    std::function<int(const RadioSettings&)> get;
    std::function<void(RadioSettings&, int)> set;
};

FieldAccess FieldOf(uint8_t RadioSettings::*member);
FieldAccess FieldOf(LeU16 RadioSettings::*member);
FieldAccess FieldOf(const OptionField& field);

// How the positions of a choice list and the stored values correspond. A position outside the
// list means that the list shows no selection.
struct IndexMapping {
    std::function<int(int value)> indexOf;
    std::function<int(int index)> valueOf;
};

// value = index * scale + offset; the index of a value is (value - offset) / scale, truncated.
IndexMapping Linear(int scale, int offset);
// value = values[index]; a value not in the table has no index.
IndexMapping ValueTable(std::vector<int> values);
