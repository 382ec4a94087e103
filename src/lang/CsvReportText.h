#pragma once

#include <string>

#include "files/ChannelCsvReport.h"
#include "lang/AppLang.h"

// One line of a channel table import's report, UTF-8 in `language`: the row's line number, what
// happened and why.
std::string CsvRowNoteText(const CsvRowNote& note, TTeskFuncs::TLangType language);
