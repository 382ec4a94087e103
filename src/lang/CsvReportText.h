#pragma once

#include <QString>

#include "files/ChannelCsvReport.h"

// The report of a channel table import in the interface language.

// One line per note: the row's line number, what happened and why.
QString CsvRowNoteText(const CsvRowNote& note);

// A table without a Frequency column, which is refused as a whole.
QString CsvRefusedText();

// How many channels the import filled.
QString CsvImportedText(unsigned channels);
