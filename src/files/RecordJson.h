#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/RadioSettings.h"

// The record as JSON whose keys are the record's field names: every channel and address-book
// entry (used or not), both RadioInfo blocks, the texts and the option, DTMF and key fields.
std::string RecordJson(const RadioSettings& settings);

// Puts what the JSON holds into the record; keys it leaves out keep the record's values, and so
// does a text that reads as the record's own, byte for byte. Nothing when it did; otherwise why
// not, in English, naming the key: a key the JSON should not hold, a value of the wrong kind or
// beyond the field. The record is then unchanged.
std::optional<std::string> ApplyRecordJson(std::string_view json, RadioSettings& settings);
