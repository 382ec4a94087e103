#pragma once

#include <cstddef>
#include <cstdint>

#include <QString>

// Names in the record are GBK bytes, zero-padded, without terminator when the field is full.
QString NameFromBytes(const uint8_t* bytes, size_t capacity);

// Zeroes the field and copies the encoded name in; the caller keeps the name short enough.
void StoreName(const QString& name, uint8_t* bytes, size_t capacity);

// One correction step for a name box: a name whose encoding does not fit the record loses its
// last character. A Chinese character takes two bytes, so six bytes hold three of them.
QString CorrectNameText(const QString& text);
