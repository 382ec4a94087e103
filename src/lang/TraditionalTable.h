#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "text/DoubleByteTable.h"

// Big5 replacements of every GBK double-byte code, indexed directly by lead and trail byte.
// An entry's low byte is the first Big5 byte with its top bit inverted, its high byte the second.

constexpr uint8_t GbkLeadFirst = GbkLayout.LeadFirst;
constexpr uint8_t GbkLeadLast = GbkLayout.LeadLast;
constexpr uint8_t GbkTrailFirst = GbkLayout.TrailFirst;
constexpr uint8_t GbkTrailLast = GbkLayout.TrailLast;
constexpr size_t GbkTrailCount = GbkLayout.TrailCount();
constexpr size_t GbkLeadCount = GbkLayout.LeadCount();
constexpr size_t TraditionalTableSize = GbkLayout.Size();

static_assert(GbkTrailCount == 191);
static_assert(TraditionalTableSize == 24066);

extern const std::array<uint16_t, TraditionalTableSize> TraditionalTable;

constexpr size_t TraditionalTableIndex(uint8_t lead, uint8_t trail)
{
    return GbkLayout.Index(lead, trail);
}

static_assert(TraditionalTableIndex(GbkLeadFirst, GbkTrailFirst) == 0);
static_assert(TraditionalTableIndex(GbkLeadLast, GbkTrailLast) == TraditionalTableSize - 1);
