#pragma once

#include <string>
#include <string_view>

#include "files/ChannelCsvReport.h"
#include "files/ChannelGridTable.h"
#include "model/BandLimits.h"
#include "model/ChannelRows.h"

// Channel rows as text on the clipboard, for spreadsheets and other programming tools, and for the
// program's other editions.

// The channel file's table with tabs between the fields: its header line, then one line per
// channel of `channels` in use.
std::string ChannelRowsText(const RadioSettings& settings, const ChannelNumbers& channels);

// Text from a spreadsheet or another programming tool, in that form or as comma-separated lines,
// under the grid's own titles in any language (`gridWords`, when given), or a lone column of
// frequencies, fills the channels from `first` down by the rules of a file import, and tells what
// it did.
ChannelCsvImport PasteChannelRowsText(std::string_view text, const BandLimits& band, unsigned first,
                                      RadioSettings& settings, const GridTableWords* gridWords);
