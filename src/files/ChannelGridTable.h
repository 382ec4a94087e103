#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/ChannelFields.h"

// A channel table headed with the channel grid's own titles, as the grid's cells come out of a
// spreadsheet that holds them: frequencies in megahertz, tones as the grid shows them ("67.0",
// "D023N", "Off") or as a person types them, the choices by the words of their cells, the name.
// The files know no language: the interface gives every spelling of the titles and words.

// The table's columns are the grid's, each a channel value.
using GridColumn = ChannelValue;
constexpr size_t GridColumnCount = ChannelValueCount;

// One spelling of a choice and the value it stands for, as the record holds it.
struct GridTableWord {
    std::string text;
    uint8_t value;
};

// Every spelling of a column's title and, for a choice column, of its choices.
struct GridTableColumn {
    std::vector<std::string> titles;
    std::vector<GridTableWord> words;
};

using GridTableWords = std::array<GridTableColumn, GridColumnCount>;

// The column a title names, if any; titles compare without regard to ASCII case or blanks around.
std::optional<GridColumn> GridColumnOfTitle(const GridTableWords& words, const std::string& title);
