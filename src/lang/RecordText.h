#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/TypedEntry.h"

// The texts of the record (channel and address-book names, serial number, firmware version) are
// GBK bytes, zero-padded, without terminator when the field is full.

// The field's text up to its first zero byte, as UTF-8.
std::string RecordTextUtf8(const uint8_t* bytes, size_t capacity);

// A name typed for a field of `capacity` bytes. The value is its GBK form: a character without
// one becomes "?", and characters that would not fit whole are left out; either is reported as
// dropped characters. The stored text is the value as UTF-8.
Entered<std::string> NameEntry(std::string_view utf8, size_t capacity);

// Zeroes the field and copies the GBK bytes in, as many as fit.
void StoreRecordText(const std::string& gbk, uint8_t* bytes, size_t capacity);

// One correction step for a name box: a name whose GBK form does not fit the record loses its
// last character. A Chinese character takes two bytes, so six bytes hold three of them.
std::string CorrectNameText(const std::string& utf8);
