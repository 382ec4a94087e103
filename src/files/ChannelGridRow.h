#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "files/ChannelCsvFormat.h"
#include "files/ChannelCsvReport.h"
#include "files/ChannelGridTable.h"

// A row in the grid's form as the fields of the exchanged table, which the import reads by its
// rules. What no field takes (a tone that is no tone, a word that is no choice of its column) is
// left out and noted with the column's first title.
struct GridRowFields {
    std::array<std::string, CsvColumnCount> fields;
    std::vector<std::pair<CsvRowIssue, std::string>> notes;
};
GridRowFields ExchangeFieldsOfGridRow(const std::array<std::string, GridColumnCount>& cells,
                                      const GridTableWords& words);
