#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Appends the UTF-8 form of a character of the Basic Multilingual Plane or beyond.
void AppendUtf8(std::string& text, char32_t c);

// The character starting at pos, which then points past it; nothing, and pos unchanged, when the
// bytes there are no well-formed UTF-8 (overlong forms, surrogates and cut sequences included).
std::optional<char32_t> NextUtf8Character(std::string_view text, size_t& pos);

// How many bytes the character starting at `at` takes, or 0 when no well-formed character starts
// there.
size_t Utf8CharacterLength(std::string_view text, size_t at);

// A text's characters as an edit box counts them: a byte that starts no well-formed character
// counts as one of its own.
std::vector<char32_t> Utf8Characters(std::string_view text);
size_t Utf8CharacterCount(std::string_view text);
std::string WithoutLastCharacter(const std::string& text);
// The first `count` characters, counted that way.
std::string CutToCharacters(const std::string& text, size_t count);
