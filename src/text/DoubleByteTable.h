#pragma once

#include <cstddef>
#include <cstdint>

// Where the two-byte codes of an encoding sit: a lead byte and a trail byte, each from one range.
// A table holds every combination, so a code's entry is found by arithmetic alone.
struct DoubleByteLayout {
    uint8_t LeadFirst;
    uint8_t LeadLast;
    uint8_t TrailFirst;
    uint8_t TrailLast;

    constexpr size_t LeadCount() const { return size_t(LeadLast - LeadFirst + 1); }
    constexpr size_t TrailCount() const { return size_t(TrailLast - TrailFirst + 1); }
    constexpr size_t Size() const { return LeadCount() * TrailCount(); }
    constexpr bool Holds(uint8_t lead, uint8_t trail) const
    {
        return lead >= LeadFirst && lead <= LeadLast && trail >= TrailFirst && trail <= TrailLast;
    }
    constexpr size_t Index(uint8_t lead, uint8_t trail) const
    {
        return size_t(lead - LeadFirst) * TrailCount() + size_t(trail - TrailFirst);
    }
};

// GBK (code page 936): 126 lead bytes by 190 trail bytes; the 0x7F column holds no character but
// keeps its place, so the index stays a multiplication.
constexpr DoubleByteLayout GbkLayout{0x81, 0xFE, 0x40, 0xFE};
// Big5: every character sits on leads A1-F9; the trail gap 7F-A0 holds none.
constexpr DoubleByteLayout Big5Layout{0xA1, 0xF9, 0x40, 0xFE};

static_assert(GbkLayout.Size() == 24066);
static_assert(Big5Layout.Size() == 16999);

// Bytes below this are ASCII in both encodings.
constexpr uint8_t FirstHighByte = 0x80;
constexpr size_t HighByteCount = 0x100 - FirstHighByte;

// An encoding's characters as UTF-16 code units (all of them lie in the Basic Multilingual Plane),
// 0 where a code holds none. Generated at build time from glibc's iconv, which decides what the
// program reads and writes on every platform.
struct DoubleByteTable {
    DoubleByteLayout Layout;
    // Layout.Size() entries, lead by lead.
    const uint16_t* Pairs;
    // A byte from 0x80 up standing alone, as the pair starting with it did not decode.
    const uint16_t* HighBytes;

    uint16_t Pair(uint8_t lead, uint8_t trail) const
    {
        return Layout.Holds(lead, trail) ? Pairs[Layout.Index(lead, trail)] : 0;
    }
    uint16_t HighByte(uint8_t byte) const { return byte >= FirstHighByte ? HighBytes[byte - FirstHighByte] : 0; }
};

extern const DoubleByteTable GbkTable;
extern const DoubleByteTable Big5Table;
