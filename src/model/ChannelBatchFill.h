#pragma once

#include "model/RadioSettings.h"
#include "model/Tone.h"

// One batch of channels that get the same settings and frequencies growing by a fixed step.
struct ChannelBatch {
    unsigned first = 1;
    unsigned last = 1;
    uint32_t rxStart = 0;
    uint32_t txStart = 0;
    uint32_t step = 0;
    ToneType decType = ToneNone;
    ToneCode decCode = 0;
    ToneType encType = ToneNone;
    ToneCode encCode = 0;
    uint8_t power = 0;
    bool wide = false;
    bool scanAdd = false;
    uint8_t busyLock = 0;
};

// Fills channels first..last and marks them in use; their names are kept. The frequencies are
// clamped to the band, so past its top every further channel gets the band's upper limit.
// Returns false, changing nothing, when the first channel comes after the last.
bool ApplyChannelBatch(RadioSettings& settings, const ChannelBatch& batch);
