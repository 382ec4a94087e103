#pragma once

#include <cstdint>

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
