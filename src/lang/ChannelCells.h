#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lang/AppLang.h"
#include "lang/ChannelTexts.h"
#include "model/BandLimits.h"
#include "model/RadioSettings.h"
#include "model/TypedEntry.h"

// How the cells of the channel grid are edited, by the rules of the desktop's in-place editors, for
// every front end that edits the grid: what a cell takes, its choices, what typing leaves in its
// editor, what an entered text does to the channel and how the user is told when it was not taken
// as typed. Texts are UTF-8 in the language given.

enum class ChannelCellKind : uint8_t {
    Number,     // the channel's number, never edited
    Frequency,  // megahertz, typed
    Tone,       // typed, or chosen from the tone list
    Choice,     // one of a few values, chosen
    Name,       // typed
};

ChannelCellKind ChannelCellKindOf(ChannelColumn column);

// The receive frequency takes an edit on every row, the other columns only on a channel in use.
bool CanEditChannelCell(const RadioSettings& settings, unsigned channel, ChannelColumn column);

// The list of a tone or choice column: the channel tone list; the squelch modes in the order of
// their values; for the other choice columns the values in the order a double-click steps through
// them, from a new channel's value on. Empty for the typed columns.
std::vector<std::string> ChannelCellChoices(ChannelColumn column, TTeskFuncs::TLangType language);

// What the column's editor holds once `typed` came into it: without the characters its key filter
// drops, and corrected as after every change.
std::string ChannelCellTyping(ChannelColumn column, std::string_view typed);

// What became of a text entered into a cell; `stored` is what the cell shows afterwards.
struct ChannelCellEntry {
    EntryOutcome outcome = EntryOutcome::Accepted;
    std::string typed;
    std::string stored;
};

// A text entered into a cell of channel `channel` (1..16): a frequency, a tone or a name by the
// channel rules; in a choice column the text of one of its choices in `language`, anything else
// being refused. A cell that takes no edit refuses every text.
ChannelCellEntry EnterChannelCell(RadioSettings& settings, unsigned channel, ChannelColumn column,
                                  std::string_view text, const BandLimits& band, TTeskFuncs::TLangType language);

// The double-click step of the power, bandwidth, scan, busy lock and DTMF columns; false, changing
// nothing, in the others.
bool StepChannelCell(ChannelRecord& channel, ChannelColumn column);

// What to tell the user when an entry was not taken as typed, naming the cell ("Channel 3 RX
// Freq.: 520 is outside the band; 470.00000 stored"); empty when it was.
std::string ChannelCellNote(unsigned channel, ChannelColumn column, const ChannelCellEntry& entry,
                            TTeskFuncs::TLangType language);
