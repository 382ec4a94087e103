#pragma once

#include <string>
#include <vector>

#include "model/Tone.h"

// One entry of a tone choice list: its text and what it stands for.
struct ToneListEntry {
    std::string text;
    ToneType type;
    ToneCode code;
};

// "Off" and the 50 standard CTCSS tones (the "Off" entry has code 0).
const std::vector<ToneListEntry>& CtcssList();

// The 105 standard DCS codes with suffix N, then the same with suffix I.
const std::vector<ToneListEntry>& DcsList();

// The channel grid's tone choices: the CTCSS list followed by the DCS list (261 entries).
const std::vector<ToneListEntry>& ChannelToneList();

// The batch dialog's tone choices: the CTCSS list, then every octal code D000N..D777N and
// D000I..D777I (1075 entries).
const std::vector<ToneListEntry>& BatchToneList();
