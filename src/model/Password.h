#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/RadioSettings.h"

constexpr size_t PasswordMaxLength = 16;

// Bytes before the first 0x00 or 0xFF, at most 16.
size_t PasswordLength(const uint8_t* bytes, size_t size = PasswordMaxLength);

// The link form: each character b becomes the nibble swap of (b | 0x80).
std::vector<uint8_t> EncodePassword(const uint8_t* text, size_t size = PasswordMaxLength);

// Whether the radio's reported (link-encoded, 16-byte) password admits the model's password.
bool PasswordMatches(const uint8_t* reported, const uint8_t* modelPassword);

// What a password box takes: at most 16 characters, printable ASCII only. The radio keeps seven
// bits of each character, so anything else could never be typed on it again.
bool IsPasswordText(std::string_view text);

// Puts the text (at most 16 characters of it) into a password field, terminated and zero-filled.
void StorePasswordText(uint8_t (&field)[PasswordFieldSize], std::string_view text);
