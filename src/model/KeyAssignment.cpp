#include "model/KeyAssignment.h"

namespace {

constexpr size_t ShortPressRow = 0;
constexpr size_t LongPressRow = 1;

}

KeyAssignment AssignKeyFunction(RadioSettings& settings, const OptionField& press, uint32_t function)
{
    const std::vector<const OptionField*> key = OptionFieldsAt(OptionPage::Keys, press.place.column);
    const OptionField& shortPress = *key.at(ShortPressRow);
    const OptionField& longPress = *key.at(LongPressRow);
    const uint32_t unassigned = longPress.choices.front().value;
    KeyAssignment assignment;
    if (&press == &longPress && IsMomentaryKeyFunction(shortPress.Get(settings))) {
        assignment.taken = function == unassigned;
        function = unassigned;
    }
    press.Set(settings, function);
    if (&press == &shortPress && IsMomentaryKeyFunction(function) && longPress.Get(settings) != unassigned) {
        longPress.Set(settings, unassigned);
        assignment.longPressCleared = true;
    }
    return assignment;
}
