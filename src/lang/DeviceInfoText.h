#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/RadioSettings.h"

// The texts of the device information shown under the channel grid.

// "year-month-day  hour:minute" in plain decimal without leading zeros, e.g. "2024-5-6  9:7".
std::string LastWriteText(const RadioSettings& settings);

// A fixed-size text field of the record: its bytes up to the first zero byte.
std::string FieldText(const uint8_t* field, size_t size);
