#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/JsonValue.h"
#include "model/RadioSettings.h"

// The record as JSON whose keys are the record's field names: every channel and address-book
// entry (used or not), both RadioInfo blocks, the texts and the option, DTMF and key fields.
std::string RecordJson(const RadioSettings& settings);

// Why a JSON text was not taken. The message table words each kind; the comments name the values
// its wording quotes after the key.
enum class JsonRefusalKind {
    NotJson,              // the byte offset; `syntax` says what is wrong there
    DocumentNotAnObject,
    NotAnObject,
    NoSuchField,
    NotText,
    NotAList,
    NotAWholeNumber,
    NotTrueOrFalse,
    OutsideRange,         // the number, the largest the field holds
    NotGbk,
    TooManyBytes,         // the most bytes
    TooManySymbols,       // the most symbols
    NotDtmfSymbol,        // the character
    NotHexBytes,          // bytes, hex digits
    WrongCount,           // how many numbers
    NotByteNumbers,       // how many numbers, the largest
    NumberNotInRange,     // the largest number
    GivenTwice,           // the number
};

struct JsonRefusal {
    JsonRefusalKind kind = JsonRefusalKind::NotJson;
    std::string where;  // the key's path, "Channel[0].Power"; empty for the document
    std::vector<std::string> values;
    JsonSyntaxProblem syntax = JsonSyntaxProblem::IllegalValue;
};

// Puts what the JSON holds into the record; keys it leaves out keep the record's values, and so
// does a text that reads as the record's own, byte for byte. Nothing when it did; otherwise why
// not, naming the key: a key the JSON should not hold, a value of the wrong kind or beyond the
// field. The record is then unchanged.
std::optional<JsonRefusal> ApplyRecordJson(std::string_view json, RadioSettings& settings);
