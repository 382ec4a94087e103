#pragma once

#include <string>
#include <vector>

#include "files/ChannelGridTable.h"
#include "lang/AppLang.h"
#include "model/RadioSettings.h"

// The columns of a channel row, in the order the channel grid, the record dump and the rows copied
// as text show them.
enum ChannelColumn : int {
    ColNumber,
    ColRxFreq,
    ColTxFreq,
    ColDecodeTone,
    ColEncodeTone,
    ColPower,
    ColBandwidth,
    ColScanAdd,
    ColBusyLock,
    ColDtmf,
    ColSquelchMode,
    ColName,
    ChannelColumnCount,
};

// The texts below are UTF-8 in the language asked for.

// The title of a column, and the titles of all columns in their order.
std::string ChannelColumnTitle(ChannelColumn column, TTeskFuncs::TLangType language);
std::vector<std::string> ChannelColumnTitles(TTeskFuncs::TLangType language);

// What a cell of channel `channel` (1..16) shows: the number column its two-digit number, the
// other columns the channel's values, which a channel not in use has none of. A value without a
// text of its own (busy lock 3, squelch modes 5 to 7) shows empty.
std::string ChannelCellText(const RadioSettings& settings, unsigned channel, ChannelColumn column,
                            TTeskFuncs::TLangType language);

// The cells of channel `channel` in column order.
std::vector<std::string> ChannelRowTexts(const RadioSettings& settings, unsigned channel,
                                         TTeskFuncs::TLangType language);

// The per-channel squelch modes, in the order of their values.
std::vector<std::string> ChSquelchModeTexts(TTeskFuncs::TLangType language);

// A value of a column that holds one of a few (power, bandwidth, scan, busy lock, DTMF, squelch
// mode) with the text its cell shows for it.
struct ChannelChoice {
    std::string text;
    uint8_t value;
};

// The choices of such a column in the order a double-click steps through them (the squelch modes
// in the order of their values); none for the other columns. A value without a choice of its own
// (power 3, busy lock 3) is not offered.
std::vector<ChannelChoice> ChannelColumnChoices(ChannelColumn column, TTeskFuncs::TLangType language);

// The value of such a column in the channel, and the channel with another value there.
uint8_t ChannelChoiceValue(const ChannelRecord& channel, ChannelColumn column);
void SetChannelChoice(ChannelRecord& channel, ChannelColumn column, uint8_t value);

// The grid's titles and choices in every language, English first, by which a table headed with
// them is read (ChannelGridTable.h).
GridTableWords ChannelGridTableWords();
