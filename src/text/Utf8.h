#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Appends the UTF-8 form of a character of the Basic Multilingual Plane or beyond.
void AppendUtf8(std::string& text, char32_t c);

// The character starting at pos, which then points past it; nothing, and pos unchanged, when the
// bytes there are no well-formed UTF-8 (overlong forms, surrogates and cut sequences included).
std::optional<char32_t> NextUtf8Character(std::string_view text, size_t& pos);

// How many bytes the character starting at `at` takes, or 0 when no well-formed character starts
// there.
size_t Utf8CharacterLength(std::string_view text, size_t at);
