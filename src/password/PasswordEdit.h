#pragma once

#include <cstdint>

#include "model/RadioSettings.h"

class QLineEdit;
class QString;
class QWidget;

// A password box: every character shown as "*", large print, at most 16 characters, empty at
// start. Only printable ASCII is taken: the radio keeps seven bits of each character, so anything
// else could never be typed on it again.
QLineEdit* MakePasswordEdit(const char* name, QWidget* parent);

// The text up to its length, then a terminating zero byte.
void StorePassword(uint8_t (&field)[PasswordFieldSize], const QString& text);
