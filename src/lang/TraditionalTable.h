#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Big5 replacements of every GBK double-byte code, indexed directly by lead and trail byte.
// An entry's low byte is the first Big5 byte with its top bit inverted, its high byte the second.

constexpr uint8_t GbkLeadFirst = 0x81;
constexpr uint8_t GbkLeadLast = 0xFE;
constexpr uint8_t GbkTrailFirst = 0x40;
constexpr uint8_t GbkTrailLast = 0xFE;
constexpr size_t GbkTrailCount = GbkTrailLast - GbkTrailFirst + 1;
constexpr size_t GbkLeadCount = GbkLeadLast - GbkLeadFirst + 1;
constexpr size_t TraditionalTableSize = GbkLeadCount * GbkTrailCount;

static_assert(GbkTrailCount == 191);
static_assert(TraditionalTableSize == 24066);

extern const std::array<uint16_t, TraditionalTableSize> TraditionalTable;

constexpr size_t TraditionalTableIndex(uint8_t lead, uint8_t trail)
{
    return size_t(lead - GbkLeadFirst) * GbkTrailCount + size_t(trail - GbkTrailFirst);
}

static_assert(TraditionalTableIndex(GbkLeadFirst, GbkTrailFirst) == 0);
static_assert(TraditionalTableIndex(GbkLeadLast, GbkTrailLast) == TraditionalTableSize - 1);
