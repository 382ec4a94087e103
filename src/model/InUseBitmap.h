#pragma once

#include <cstddef>
#include <cstdint>

// Entry n of an in-use bitmap is bit (n mod 8) of byte (n div 8); entries run from 1 to 16.
constexpr unsigned InUseEntryCount = 16;

inline bool IsInUse(const uint8_t* bitmap, unsigned n)
{
    if (n > InUseEntryCount)
        return false;
    return (bitmap[n / 8] >> (n % 8)) & 1;
}

inline void SetInUse(uint8_t* bitmap, unsigned n, bool used)
{
    if (n > InUseEntryCount)
        return;
    const uint8_t bit = uint8_t(1u << (n % 8));
    if (used)
        bitmap[n / 8] |= bit;
    else
        bitmap[n / 8] &= uint8_t(~bit);
}
