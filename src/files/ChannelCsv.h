#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/ChannelCsvReport.h"
#include "files/ChannelGridTable.h"
#include "files/CsvTable.h"
#include "model/BandLimits.h"
#include "model/RadioSettings.h"

// The channel table in the column set that multi-radio programming tools exchange, followed by
// three columns of this radio's own (BusyLock, DTMF, SquelchMode) that those tools ignore.

const std::vector<std::string>& ChannelCsvColumns();

// One used channel as a row of those columns; `number` is its Location. The name is a text field
// (SpreadsheetTextField); every other column holds a number or a fixed word.
std::vector<std::string> ChannelCsvRow(unsigned number, const ChannelRecord& channel);

// The header and one row per used channel, CR LF after every line, UTF-8 without byte-order mark;
// names whose bytes are no GBK text are noted.
ChannelCsvExport ExportChannelCsv(const RadioSettings& settings, char separator = CsvComma);

// The same table holding only those of `channels` that are in use, in the order given.
ChannelCsvExport ExportChannelCsvRows(const RadioSettings& settings, const std::vector<unsigned>& channels,
                                      char separator = CsvComma);

struct ChannelCsvImportOptions {
    BandLimits band;
    unsigned firstChannel = 1;   // rows fill the channels from here down, in file order
    bool keepLocations = false;  // a row goes to the channel its Location names instead
    char separator = CsvComma;
    // Given, a table headed with the channel grid's titles is read too (ChannelGridTable.h).
    const GridTableWords* gridWords = nullptr;
};

// Every row passes the rules of typing into the grid; a row the radio cannot hold is left out
// and reported, as is every change made to a row that is taken, its name included. A field
// written with SpreadsheetTextField's apostrophe reads as the text it stands for. A lone column
// of frequencies needs no header. Refused without a Frequency column (or the grid's receive
// frequency), and then nothing changes. The table is read a row at a time, keeping only the
// known columns, so the memory taken beside the text stays small.
ChannelCsvImport ImportChannelCsv(std::string_view text, const ChannelCsvImportOptions& options,
                                  RadioSettings& settings);
