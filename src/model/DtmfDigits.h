#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// DTMF symbols are stored one byte each: "0"-"9" as 0-9, "A"-"D" as 10-13, "*" as 14, "#" as 15.
std::optional<uint8_t> DtmfCodeOf(char symbol);
char DtmfSymbolOf(uint8_t code);

// Zeroes `capacity` bytes, then stores the codes of the text's valid symbols (at most `capacity`)
// and their count in `length`.
void StoreDtmfText(std::string_view text, uint8_t* codes, size_t capacity, uint8_t& length);

// The first `length` symbols (at most `capacity`) as text.
std::string DtmfText(const uint8_t* codes, size_t capacity, uint8_t length);
