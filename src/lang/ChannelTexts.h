#pragma once

#include <string>
#include <vector>

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
