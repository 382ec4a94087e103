#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// UTF-8 texts character by character, as the edit boxes count them. A byte that starts no
// character counts as one character of its own.

// The bytes of the character that starts with `lead`.
size_t Utf8SequenceLength(uint8_t lead);

std::vector<char32_t> CodePoints(std::string_view text);
size_t CharacterCount(std::string_view text);
std::string WithoutLastCharacter(const std::string& text);
