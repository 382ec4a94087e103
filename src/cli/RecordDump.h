#pragma once

#include <string>

#include "model/RadioSettings.h"

// The record for a person: channel table, options, DTMF codes, address book and keys, with the
// channel table's titles and values in the current language.
std::string DumpRecordText(const RadioSettings& settings);

// The record as JSON whose keys are the record's field names.
std::string DumpRecordJson(const RadioSettings& settings);
