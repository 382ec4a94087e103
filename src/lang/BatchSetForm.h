#pragma once

#include <cstdint>
#include <vector>

#include "lang/TextEntries.h"
#include "model/ChannelBatchFill.h"

// The batch-set dialog as every front end builds it: its controls with their object names,
// captions and choices, and how OK reads the lists' positions into a batch of channels.

enum class BatchField {
    RxStart,
    TxStart,
    Decode,
    Encode,
    StartChannel,
    EndChannel,
    Power,
    Bandwidth,
    Scan,
    BusyLock,
    Step,
};
constexpr int BatchFieldCount = int(BatchField::Step) + 1;

enum class BatchControlKind {
    Frequency,    // a start frequency in megahertz, clamped to the band and snapped to the raster
    Step,         // the step in megahertz, snapped to the raster, 10 MHz or more meaning none
    Tones,        // the batch tone list
    ChannelList,  // the channel numbers 1 to 16
    EntryList,    // entries of the main text table
};

struct BatchSetControl {
    BatchField field;
    const char* control;
    const char* label;
    TextEntry caption;
    BatchControlKind kind;
    std::vector<TextEntry> items;  // an entry list's items in their order
    int preselected;               // lists only
    int column;                    // 0 the frequencies, tones and channels; 1 the channel settings and the step
};

// In the order the dialog is laid out and tabbed through.
const std::vector<BatchSetControl>& BatchSetControls();

// What the dialog holds when OK is pressed: the lists' positions and the committed values in hertz.
struct BatchSetChoices {
    int positions[BatchFieldCount] = {};
    uint32_t rxStart = 0;
    uint32_t txStart = 0;
    uint32_t step = 0;

    int& operator[](BatchField field) { return positions[int(field)]; }
    int operator[](BatchField field) const { return positions[int(field)]; }
};

// The batch the choices stand for; a tone position outside the list means none.
ChannelBatch ChosenBatch(const BatchSetChoices& choices);
