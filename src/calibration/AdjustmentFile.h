#pragma once

#include <string>

#include "calibration/AdjustmentData.h"
#include "files/FileResult.h"

// An adjustment file is the calibration record's 68 bytes as they lie in memory: no header, no
// checks, little-endian frequencies.
constexpr const char* AdjustmentFileSuffix = "Kqda";

// How an opened file met the record: its own length, and how many leading bytes of the record
// it replaced.
struct AdjustmentFileFit {
    size_t fileSize = 0;
    size_t taken = 0;

    bool Whole() const { return fileSize == AdjustmentDataSize; }
};

// Takes up to 68 leading bytes over the record, as opening a file of `size` bytes does; the rest
// of the record keeps its values.
AdjustmentFileFit TakeAdjustmentBytes(const uint8_t* bytes, size_t size, AdjustmentData& record);

// Reads up to 68 bytes from the start of the file over the record. A shorter file replaces only
// the bytes it holds; the rest of the record keeps its values. On failure the record is unchanged.
// `fit`, when given, tells how the file met the record.
FileResult OpenAdjustmentFile(const std::string& path, AdjustmentData& record, AdjustmentFileFit* fit = nullptr);

// Takes only a file of exactly 68 bytes: one of any other length is refused, naming the length it
// has and the one it needs, and the record is left as it was. For callers that send the record on
// to a radio without anyone looking at it first.
FileResult OpenWholeAdjustmentFile(const std::string& path, AdjustmentData& record);

// The refusal of a file that did not fill the record exactly.
FileResult AdjustmentFileWrongSize(const std::string& path, const AdjustmentFileFit& fit);

// Replaces the file as a whole, so a failed save leaves the previous file intact.
FileResult SaveAdjustmentFile(const std::string& path, const AdjustmentData& record);
