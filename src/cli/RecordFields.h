#pragma once

#include <cstddef>
#include <cstdint>

#include <QString>

#include "model/RadioSettings.h"

// Fixed-size text fields end at their first zero byte; they are GBK like every text of the radio.
QString FieldText(const uint8_t* bytes, size_t size);

QString EntryIdText(const AddressBookEntry& e);
