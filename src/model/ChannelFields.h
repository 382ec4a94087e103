#pragma once

#include <cstddef>
#include <cstdint>

// A channel's values as the channel grid shows them, in the grid's column order: what a table
// headed with the grid's titles holds, and what two records are compared by.
enum class ChannelValue : uint8_t {
    RxFreq,
    TxFreq,
    DecodeTone,
    EncodeTone,
    Power,
    Bandwidth,
    ScanAdd,
    BusyLock,
    Dtmf,
    SquelchMode,
    Name,
};
constexpr size_t ChannelValueCount = size_t(ChannelValue::Name) + 1;

// The values of a channel's stepped and listed fields.
enum ChannelPower : uint8_t { PowerLow = 0, PowerHigh = 1, PowerMid = 2, PowerMidAlternative = 3 };
enum ChannelBusyLock : uint8_t { BusyOff = 0, BusyTone = 1, BusyCarrier = 2, BusyUndefined = 3 };
enum ChannelSquelchMode : uint8_t {
    SquelchCarrier = 0,
    SquelchDtmf = 1,
    SquelchTone = 2,
    SquelchDtmfAndTone = 3,
    SquelchDtmfOrTone = 4,
};
constexpr int ChSquelchModeCount = 5;
