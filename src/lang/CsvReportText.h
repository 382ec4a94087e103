#pragma once

#include <QString>

#include "files/ChannelCsvReport.h"

// One line of a channel table import's report in the interface language: the row's line number,
// what happened and why.
QString CsvRowNoteText(const CsvRowNote& note);
