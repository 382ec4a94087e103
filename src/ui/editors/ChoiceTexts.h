#pragma once

#include <initializer_list>

#include <QStringList>

#include "lang/TextEntries.h"

// Items of the choice lists: numbers counted in steps, and texts of the language table in the
// current language.
QStringList NumberTexts(int first, int last, int step = 1);
QStringList EntryTexts(std::initializer_list<TextEntry> entries);
