#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/RadioSettings.h"

// The radio's serial number: up to eight ASCII digits, left-aligned in the 8-byte `DeviceSn`
// field with zero bytes after the last digit; eight digits fill it without a terminator.

// Only decimal digits, at most eight; the empty text is a valid (empty) number.
bool IsSnText(std::string_view text);

// The characters up to the first zero byte.
std::string SnText(const uint8_t (&sn)[DeviceSnSize]);

// What the number box keeps of its text after an edit: at most eight characters.
std::string CorrectedSnText(const std::string& text);

// Clears the field, then copies at most eight characters of `text` to its start.
void SetSnText(uint8_t (&sn)[DeviceSnSize], std::string_view text);

// One step of the production-line counter. The number keeps its length: nines wrap to zeros
// going up and zeros to nines going down; an empty number stays empty.
enum class SnStep : uint8_t { Up, Down };
void StepSn(uint8_t (&sn)[DeviceSnSize], SnStep step);
