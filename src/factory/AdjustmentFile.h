#pragma once

#include <string>

#include "factory/AdjustmentData.h"
#include "files/FileResult.h"

// An adjustment file is the calibration record's 68 bytes as they lie in memory: no header, no
// checks, little-endian frequencies.
constexpr const char* AdjustmentFileSuffix = "Kqda";

// Reads up to 68 bytes from the start of the file over the record. A shorter file replaces only
// the bytes it holds; the rest of the record keeps its values. On failure the record is unchanged.
FileResult OpenAdjustmentFile(const std::string& path, AdjustmentData& record);

// Replaces the file as a whole, so a failed save leaves the previous file intact.
FileResult SaveAdjustmentFile(const std::string& path, const AdjustmentData& record);
