#pragma once

#include <QStringList>

#include "files/ChannelCsvReport.h"
#include "lang/Messages.h"

// The report of a channel table import in the interface language: one line per row note (the
// row's line number, what happened and why), then how many notes were not kept, if any. What the
// table held is shown with its control characters escaped (PrintableText), one line per note.
QStringList CsvImportReportLines(const ChannelCsvImport& outcome);

// A name that an export wrote other than the record holds it, control characters escaped.
Message CsvNameNoteMessage(const CsvNameNote& note);
