#pragma once

#include <cstdint>
#include <string_view>

namespace TTeskFuncs {

// Windows-style language identifiers of the locales the detection rule tells apart.
constexpr uint16_t LangIdNeutral = 0x0000;
constexpr uint16_t LangIdChinesePrc = 0x0804;
constexpr uint16_t LangIdChineseSingapore = 0x1004;
constexpr uint16_t LangIdChineseTaiwan = 0x0404;
constexpr uint16_t LangIdChineseHongKong = 0x0C04;
constexpr uint16_t LangIdChineseMacau = 0x1404;
constexpr uint16_t LangIdChineseOther = 0x0004;
constexpr uint16_t LangIdEnglishUs = 0x0409;

// The language identifier of a POSIX locale name such as "zh_TW.UTF-8" or "de_DE@euro".
// "C", "POSIX" and an empty name count as US English; an unknown language as neutral.
uint16_t LanguageIdOfLocale(std::string_view locale);

}
