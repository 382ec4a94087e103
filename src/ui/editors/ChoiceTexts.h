#pragma once

#include <initializer_list>

#include <QStringList>

// Items of the choice lists: numbers counted in steps, and texts of the language table in the
// current language.
QStringList NumberTexts(int first, int last, int step = 1);
QStringList EntryTexts(std::initializer_list<int> entries);

// Lists whose first choice switches the option off ("OFF", language entry 75).
constexpr int EntryOff = 75;
QStringList OffThenNumbers(int first, int last);
