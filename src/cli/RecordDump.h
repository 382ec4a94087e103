#pragma once

#include <string>

#include "model/RadioSettings.h"

// The record for a person: channel table, options, DTMF codes, address book and keys, with the
// channel table's titles and values in the current language.
std::string DumpRecordText(const RadioSettings& settings);

