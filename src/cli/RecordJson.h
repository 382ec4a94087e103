#pragma once

#include <stdexcept>
#include <string>

#include "model/RadioSettings.h"

// The record as JSON whose keys are the record's field names: every channel and address-book
// entry (used or not), both RadioInfo blocks, the texts and the option, DTMF and key fields.
std::string RecordJson(const RadioSettings& settings);

// A key the JSON should not hold, a value of the wrong kind or beyond the field; the message
// names the key.
struct RecordJsonError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Puts what the JSON holds into the record; keys it leaves out keep the record's values, and so
// does a text that reads as the record's own, byte for byte. Throws RecordJsonError and then
// has changed nothing.
void ApplyRecordJson(const std::string& json, RadioSettings& settings);
