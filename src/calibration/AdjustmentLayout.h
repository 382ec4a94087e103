#pragma once

#include <cstddef>
#include <string>
#include <vector>

// How the factory dialogs lay out the calibration record's boxes, with their fixed captions: these
// stay the same in every language (Chinese in the adjustment dialog), as the factory's technicians
// know them. Only the dialogs' buttons follow the interface language.

// A row of boxes under a caption; the boxes are named as in AdjustmentFields().
struct AdjustmentRow {
    std::string caption;
    std::vector<std::string> edits;
};

// A block of rows: a titled group box, or a plain grid when untitled. Columns are the titles over
// the boxes of rows that hold several.
struct AdjustmentGroup {
    std::string title;
    std::vector<std::string> columns;
    std::vector<AdjustmentRow> rows;
    // The frequency points' rows are captioned with spots across the start-up band, hidden: no
    // frequency is preset.
    bool rowCaptionsHidden = false;
};

// The dialog's groups, in this order.
enum AdjustmentGroupIndex : size_t {
    PointGroup,
    WideGroup,
    NarrowGroup,
    SquelchGroup,
    VoxGroup,
    BatteryGroup,
    CrystalGroup,
};

const std::vector<AdjustmentGroup>& AdjustmentGroups();

// What a screen reader calls a box: a row's only box by the row's caption, a box among several by
// the caption and its column's title, the one the eye finds first leading.
std::string AdjustmentBoxName(const AdjustmentGroup& group, size_t row, size_t column);

// The lines beside the boxes that tell their ranges.
const std::vector<std::string>& AdjustmentHints();

// The adjustment dialog's button that writes the channel data, and its hidden entry to the
// serial-number dialog.
constexpr const char* WriteChannelDataCaption = "...";
constexpr const char* SerialNumberCaption = "SN";
// The serial-number dialog's buttons; its number box is captioned SerialNumberCaption.
constexpr const char* SnReadCaption = "Read";
constexpr const char* SnWriteCaption = "Write";
