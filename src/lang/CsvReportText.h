#pragma once

#include <string>
#include <vector>

#include "files/ChannelCsvReport.h"
#include "lang/AppLang.h"
#include "lang/Messages.h"

// The report of a channel table import, UTF-8 in `language`: one line per row note (the row's line
// number, what happened and why), then how many notes were not kept, if any. What the table held
// is shown with its control characters escaped (PrintableText), one line per note.
std::vector<std::string> CsvImportReportLines(const ChannelCsvImport& outcome, TTeskFuncs::TLangType language);

// The band the import clamped to (`band`, as the interface names it), and when rows were left out
// for lying outside it, where to choose another band before importing them.
std::vector<std::string> CsvImportBandLines(const ChannelCsvImport& outcome, const std::string& band,
                                            TTeskFuncs::TLangType language);

// A name that an export wrote other than the record holds it, control characters escaped.
Message CsvNameNoteMessage(const CsvNameNote& note);
