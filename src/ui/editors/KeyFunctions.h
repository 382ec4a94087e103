#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

// The functions the two programmable keys can take, with their texts in the current language.
// A long press cannot hold the monitor and squelch-off functions.
struct KeyFunction {
    uint8_t code;
    QString text;
};
using KeyFunctionTable = std::vector<KeyFunction>;

KeyFunctionTable ShortPressFunctions();
KeyFunctionTable LongPressFunctions();

// The stored value of a list is found by the chosen entry's text, first match.
std::optional<uint8_t> FunctionCodeOfText(const KeyFunctionTable& table, const QString& text);
// The position of a stored code in a list; -1 when the list does not offer it.
int IndexOfFunctionCode(const KeyFunctionTable& table, uint8_t code);

// A short press holding a momentary function leaves the long press of that key unassigned.
bool IsMomentaryFunctionText(const QString& text);
