#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "model/ChannelRows.h"

class QMimeData;

// Channel rows on the clipboard: the exact records under a type of the program's own, for a
// paste that loses nothing, and a table as text for spreadsheets and other programming tools.

// The rows as a table for other programs: a line of column titles, then one line per channel in
// use, the fields separated by tabs.
QString ChannelRowsText(const RadioSettings& settings, const ChannelNumbers& channels);

// The caller owns the result, or hands it to the clipboard.
QMimeData* ChannelRowsMimeData(const std::vector<ChannelRow>& rows, const QString& text);

// The rows copied inside the program, when the clipboard holds them.
std::optional<std::vector<ChannelRow>> ChannelRowsFromMimeData(const QMimeData* data);
