#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The SHA-256 digest of `size` bytes as 64 lower-case hex digits: what the programming log names
// the bytes a radio was sent by, the same on every platform the program runs on.
std::string Sha256Hex(const uint8_t* data, size_t size);
