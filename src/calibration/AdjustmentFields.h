#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "calibration/AdjustmentData.h"
#include "model/BandLimits.h"

// The edited fields of the calibration record, each with its dialog box and its entry rules.

// The four kinds of box: what they take and how a value is accepted on leaving.
enum class AdjustmentFamily : uint8_t {
    Frequency,      // megahertz text, clamped to the band and snapped to the raster
    Deviation,      // 0 to 127
    ToneDeviation,  // 0 to 63
    Byte,           // 0 to 255
};

struct AdjustmentField {
    std::string EditName;   // the dialog's edit box
    std::string FieldName;  // the record field
    size_t Offset;          // of the field in the record
    AdjustmentFamily Family;
};

// Every edited field in record order: all but the two reserved bytes.
const std::vector<AdjustmentField>& AdjustmentFields();
// The field the dialog's box `editName` edits; none for a box the dialog does not have.
const AdjustmentField* FindAdjustmentField(const std::string& editName);

// The longest text a box of the family keeps.
size_t LongestText(AdjustmentFamily family);

// What a box keeps of the text it holds after an edit (typed or pasted): at most its longest
// text, and a frequency with one decimal point at most and never a lone one.
std::string CorrectedFieldText(const AdjustmentField& field, const std::string& text);

// What leaving a box did to its field.
enum class CommitOutcome : uint8_t {
    Stored,      // the value (or 0 for an empty box, the band's lower limit for a frequency) is in
    OutOfRange,  // the field keeps its previous value
    NotANumber,  // the field keeps its previous value; the user deserves to be told
};

// Commits a box's text to its field. Frequencies are clamped to `band` and snapped to the raster.
CommitOutcome CommitFieldText(const AdjustmentField& field, const std::string& text, const BandLimits& band,
    AdjustmentData& record);

// The field's value as its box shows it: a frequency in its nine-character form, else decimal.
std::string FieldText(const AdjustmentField& field, const AdjustmentData& record);
