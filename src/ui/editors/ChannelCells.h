#pragma once

#include <array>
#include <optional>

#include <QString>
#include <QStringList>

#include "model/RadioSettings.h"

// The columns of the channel grid; row r is channel r.
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

// Titles of all columns in the current language.
QStringList ChannelColumnTitles();

// The per-channel squelch modes in the current language, in the order of their values.
QStringList ChSquelchModeTexts();

// What the cells of a channel in use show, indexed by column (the number column stays empty).
// A value without a text of its own leaves its cell as it was.
using ChannelCellTexts = std::array<std::optional<QString>, ChannelColumnCount>;
ChannelCellTexts CellTextsOf(const ChannelRecord& channel);
