#include "model/DtmfDigits.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr char Symbols[] = "0123456789ABCD*#";
constexpr uint8_t SymbolCount = 16;
}

std::optional<uint8_t> DtmfCodeOf(char symbol)
{
    for (uint8_t code = 0; code < SymbolCount; ++code)
        if (Symbols[code] == symbol)
            return code;
    return std::nullopt;
}

char DtmfSymbolOf(uint8_t code)
{
    return code < SymbolCount ? Symbols[code] : '?';
}

void StoreDtmfText(std::string_view text, uint8_t* codes, size_t capacity, uint8_t& length)
{
    std::memset(codes, 0, capacity);
    size_t n = 0;
    for (char c : text) {
        if (n == capacity)
            break;
        if (auto code = DtmfCodeOf(c))
            codes[n++] = *code;
    }
    length = uint8_t(n);
}

std::string DtmfText(const uint8_t* codes, size_t capacity, uint8_t length)
{
    std::string text;
    for (size_t i = 0; i < std::min<size_t>(length, capacity); ++i)
        text += DtmfSymbolOf(codes[i]);
    return text;
}
