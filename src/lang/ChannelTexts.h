#pragma once

#include <QString>
#include <QStringList>

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

// The title of a column in the current language, and the titles of all columns in their order.
QString ChannelColumnTitle(ChannelColumn column);
QStringList ChannelColumnTitles();

// What a cell of channel `channel` (1..16) shows in the current language: the number column its
// two-digit number, the other columns the channel's values, which a channel not in use has none
// of. A value without a text of its own (busy lock 3, squelch modes 5 to 7) shows empty.
QString ChannelCellText(const RadioSettings& settings, unsigned channel, ChannelColumn column);

// The per-channel squelch modes in the current language, in the order of their values.
QStringList ChSquelchModeTexts();
