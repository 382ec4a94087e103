#pragma once

#include <cstddef>
#include <string_view>

// How many bytes the UTF-8 character starting at `at` takes, or 0 when no well-formed character
// starts there (a stray or cut sequence, an overlong form, a surrogate, beyond U+10FFFF).
size_t Utf8CharacterLength(std::string_view text, size_t at);
