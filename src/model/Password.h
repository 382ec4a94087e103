#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr size_t PasswordMaxLength = 16;

// Bytes before the first 0x00 or 0xFF, at most 16.
size_t PasswordLength(const uint8_t* bytes, size_t size = PasswordMaxLength);

// The link form: each character b becomes the nibble swap of (b | 0x80).
std::vector<uint8_t> EncodePassword(const uint8_t* text, size_t size = PasswordMaxLength);

// Whether the radio's reported (link-encoded, 16-byte) password admits the model's password.
bool PasswordMatches(const uint8_t* reported, const uint8_t* modelPassword);
