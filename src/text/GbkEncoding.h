#pragma once

#include <optional>
#include <string>
#include <string_view>

// The program's Chinese texts are written as UTF-8 in the source and used as GBK (code page 936).
// Throws std::runtime_error when the text has no GBK form.
std::string Utf8ToGbk(std::string_view utf8);

// The same for text from outside: nothing when the text is not UTF-8 or a character has no GBK form.
std::optional<std::string> TryUtf8ToGbk(std::string_view utf8);

// Text fitted into a field of `capacity` GBK bytes, character by character: one without a GBK form
// (or a zero byte, which would end the field) costs one "?", and the first character that would
// not fit ends the text.
struct FittedGbk {
    std::string gbk;
    bool replaced = false;
    bool cut = false;
};
FittedGbk FitToGbk(std::string_view utf8, size_t capacity);

// GBK bytes from a record as UTF-8; a byte that starts no GBK character becomes "?".
std::string GbkToUtf8(std::string_view gbk);

// The same, or nothing when a byte starts no GBK character.
std::optional<std::string> TryGbkToUtf8(std::string_view gbk);
