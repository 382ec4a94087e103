#include "ui/editors/BoundField.h"

#include <algorithm>


FieldAccess FieldOf(uint8_t RadioSettings::*member)
{
    return {[member](const RadioSettings& s) { return int(s.*member); },
            [member](RadioSettings& s, int value) { s.*member = uint8_t(value); }};
}

FieldAccess FieldOf(LeU16 RadioSettings::*member)
{
    return {[member](const RadioSettings& s) { return int(s.*member); },
            [member](RadioSettings& s, int value) { s.*member = uint16_t(value); }};
}

FieldAccess FieldOf(const OptionField& field)
{
    return {[&field](const RadioSettings& s) { return int(field.Get(s)); },
            [&field](RadioSettings& s, int value) { field.Set(s, uint32_t(value)); }};
}

IndexMapping Linear(int scale, int offset)
{
    return {[=](int value) { return (value - offset) / scale; }, [=](int index) { return index * scale + offset; }};
}

IndexMapping ValueTable(std::vector<int> values)
{
    return {[values](int value) {
                const auto found = std::find(values.begin(), values.end(), value);
                return found == values.end() ? -1 : int(found - values.begin());
            },
            [values](int index) { return values.at(size_t(index)); }};
}
