#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

enum ToneType : uint8_t {
    ToneNone = 0,
    ToneCtcss = 1,
    ToneDcsNormal = 2,
    ToneDcsInverted = 3,
};

// 0 for no tone, 0xFFFF when "Off" was chosen; CTCSS in tenths of a hertz; DCS 0x2800 + octal code.
using ToneCode = uint16_t;

constexpr ToneCode ToneCodeOff = 0xFFFF;
constexpr ToneCode DcsCodeBase = 0x2800;

std::array<uint8_t, 2> EncodeTone(ToneType type, ToneCode code);
void DecodeTone(const uint8_t* bytes, ToneType& type, ToneCode& code);

// Writes the outputs only when the text is a valid tone.
bool ParseToneText(std::string_view text, ToneType& type, ToneCode& code);
std::string FormatToneText(ToneCode code, ToneType type);

// Whether the pair is a tone the radio can take: no tone as 0 or Off, CTCSS 60.0-260.0 Hz, DCS
// with a three-digit octal code.
bool IsValidTone(ToneType type, ToneCode code);
