#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/RadioSettings.h"

// Whole channel rows as the grid's row commands move them: a channel travels with its in-use bit,
// so an empty row copied over a used one leaves an empty row.

struct ChannelRow {
    ChannelRecord record;
    bool used;
};

// Channel numbers 1..16 in ascending order without repeats.
using ChannelNumbers = std::vector<unsigned>;

std::vector<ChannelRow> CopyChannelRows(const RadioSettings& settings, const ChannelNumbers& channels);

// Fills the channels from `first` down; rows that would go past the last channel are dropped.
// Returns how many rows were placed.
unsigned PasteChannelRows(RadioSettings& settings, unsigned first, const std::vector<ChannelRow>& rows);

// The channels become unused and their records zero, so that a channel entered there later does
// not bring back an old name or the bytes no editor shows.
void ClearChannelRows(RadioSettings& settings, const ChannelNumbers& channels);

// Whether inserting a row would push a channel in use off the end.
bool InsertDropsUsedChannel(const RadioSettings& settings);

// Moves the channels from `at` down one place and leaves `at` empty; the last channel falls off.
bool InsertEmptyChannelRow(RadioSettings& settings, unsigned at);

// Each listed channel changes place with its neighbour, so a block of rows moves as one and the
// row it passes goes to its other end. Nothing moves when the first (or last) channel is listed.
bool MoveChannelRowsUp(RadioSettings& settings, const ChannelNumbers& channels);
bool MoveChannelRowsDown(RadioSettings& settings, const ChannelNumbers& channels);

// The rows' lossless byte form: per row its in-use byte (0 or 1), then the 80 record bytes.
constexpr size_t PackedChannelRowSize = 1 + sizeof(ChannelRecord);
std::vector<uint8_t> PackChannelRows(const std::vector<ChannelRow>& rows);
// Refuses anything that is not a whole number of rows, holds no row, more rows than channels, or
// an in-use byte other than 0 or 1.
std::optional<std::vector<ChannelRow>> UnpackChannelRows(const uint8_t* bytes, size_t size);
