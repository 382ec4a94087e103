#pragma once

#include <string>

#include "lang/AppLang.h"
#include "model/RadioSettings.h"

// The record for a person, as UTF-8: channel table, options, DTMF codes, address book and keys,
// with the channel table's titles and values in `language`.
std::string DumpRecordText(const RadioSettings& settings, TTeskFuncs::TLangType language);
