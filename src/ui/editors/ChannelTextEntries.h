#pragma once

// Language entries of the channel settings' values, shared by the grid cells and the batch dialog.
enum ChannelTextEntry : int {
    EntryHigh = 26,
    EntryLow = 27,
    EntryWide = 28,
    EntryNarrow = 29,
    EntryAdd = 30,
    EntryDel = 31,
    EntryBusyOff = 32,
    EntryBusyCarrier = 33,
    EntryBusyTone = 34,
    EntryDtmfOn = 201,
    EntryDtmfOff = 202,
    EntryMid = 206,
};
