#pragma once

#include <cstddef>
#include <cstdint>

// Multi-byte fields of the fixed-layout records are stored as byte arrays and converted
// explicitly, so the layout is independent of the host's byte order and alignment rules.

inline uint16_t GetLe16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t GetLe32(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
inline void PutLe16(uint8_t* p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
inline void PutLe32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

inline uint16_t GetBe16(const uint8_t* p) { return uint16_t((p[0] << 8) | p[1]); }
inline uint32_t GetBe32(const uint8_t* p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}
inline void PutBe16(uint8_t* p, uint16_t v)
{
    p[0] = uint8_t(v >> 8);
    p[1] = uint8_t(v);
}
inline void PutBe32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (24 - 8 * i));
}

// A little-endian unsigned field of a record: one-byte aligned, so records have no padding.
template <typename T>
struct LeField {
    uint8_t bytes[sizeof(T)];

    operator T() const
    {
        if constexpr (sizeof(T) == 2)
            return GetLe16(bytes);
        else
            return GetLe32(bytes);
    }
    LeField& operator=(T value)
    {
        if constexpr (sizeof(T) == 2)
            PutLe16(bytes, value);
        else
            PutLe32(bytes, value);
        return *this;
    }
};

using LeU16 = LeField<uint16_t>;
using LeU32 = LeField<uint32_t>;

static_assert(sizeof(LeU16) == 2 && alignof(LeU16) == 1);
static_assert(sizeof(LeU32) == 4 && alignof(LeU32) == 1);
