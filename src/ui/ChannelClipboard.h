#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "model/ChannelRows.h"

class QMimeData;

// Channel rows on the clipboard: the exact records under a type of the program's own, for a
// paste that loses nothing, beside the table as text (files/ChannelRowsText.h) for spreadsheets
// and other programming tools.

// The caller owns the result, or hands it to the clipboard.
QMimeData* ChannelRowsMimeData(const std::vector<ChannelRow>& rows, const QString& text);

// The rows copied inside the program, when the clipboard holds them.
std::optional<std::vector<ChannelRow>> ChannelRowsFromMimeData(const QMimeData* data);
