#include "model/Password.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char FirstPrintable = 0x20;
constexpr char LastPrintable = 0x7E;

}

size_t PasswordLength(const uint8_t* bytes, size_t size)
{
    const size_t limit = std::min(size, PasswordMaxLength);
    size_t n = 0;
    while (n < limit && bytes[n] != 0x00 && bytes[n] != 0xFF)
        ++n;
    return n;
}

std::vector<uint8_t> EncodePassword(const uint8_t* text, size_t size)
{
    std::vector<uint8_t> encoded;
    for (size_t i = 0; i < PasswordLength(text, size); ++i) {
        const uint8_t b = uint8_t(text[i] | 0x80);
        encoded.push_back(uint8_t((b << 4) | (b >> 4)));
    }
    return encoded;
}

bool PasswordMatches(const uint8_t* reported, const uint8_t* modelPassword)
{
    const size_t n = PasswordLength(reported);
    if (n == 0)
        return true;
    if (n != PasswordLength(modelPassword))
        return false;
    return std::equal(reported, reported + n, EncodePassword(modelPassword).begin());
}

bool IsPasswordText(std::string_view text)
{
    return text.size() <= PasswordMaxLength &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= FirstPrintable && c <= LastPrintable; });
}

void StorePasswordText(uint8_t (&field)[PasswordFieldSize], std::string_view text)
{
    std::memset(field, 0, PasswordFieldSize);
    std::memcpy(field, text.data(), std::min(text.size(), PasswordMaxLength));
}
