#pragma once

#include <string>

#include <QString>

#include "lang/TextEntries.h"

// The 8-bit text of a lookup as a Qt string for display, decoded by the current language's encoding.
QString DisplayText(const std::string& text);

// Shorthands for the widgets: lookup and decoding in one step.
inline QString Tr(TextEntry entry) { return DisplayText(EntryText(entry)); }
