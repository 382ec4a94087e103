#pragma once

#include <string>
#include <string_view>

// The program's Chinese texts are written as UTF-8 in the source and used as GBK (code page 936).
// Throws std::runtime_error when the text has no GBK form or the system cannot convert.
std::string Utf8ToGbk(std::string_view utf8);
