#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "files/ChannelCsvReport.h"
#include "model/BandLimits.h"
#include "model/ChannelRows.h"

class QMimeData;

// Channel rows on the clipboard: the exact records under a type of the program's own, for a
// paste that loses nothing, and a table as text for spreadsheets and other programming tools.

// The rows as a table for other programs: the channel file's table with tabs between the fields,
// its header line, then one line per channel in use.
QString ChannelRowsText(const RadioSettings& settings, const ChannelNumbers& channels);

// Text from a spreadsheet or another programming tool, in that form or as comma-separated lines,
// under the grid's own titles in any language, or a lone column of frequencies, fills the
// channels from `first` down by the rules of a file import, and tells what it did.
ChannelCsvImport PasteChannelRowsText(const QString& text, const BandLimits& band, unsigned first,
                                      RadioSettings& settings);

// The caller owns the result, or hands it to the clipboard.
QMimeData* ChannelRowsMimeData(const std::vector<ChannelRow>& rows, const QString& text);

// The rows copied inside the program, when the clipboard holds them.
std::optional<std::vector<ChannelRow>> ChannelRowsFromMimeData(const QMimeData* data);
