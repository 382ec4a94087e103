#pragma once

#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "lang/TextEntries.h"

// The 8-bit text of a lookup as a Qt string for display, decoded by the current language's encoding.
QString DisplayText(const std::string& text);

// Shorthands for the widgets: lookup and decoding in one step.
inline QString Tr(TextEntry entry) { return DisplayText(EntryText(entry)); }

// Texts the core made (UTF-8) as the widgets take them.
QStringList DisplayTexts(const std::vector<std::string>& utf8);
