#pragma once

#include <string>
#include <vector>

#include "files/FileResult.h"
#include "model/RadioSettings.h"
#include "model/RecordCheck.h"

// The channel data file (.Kqd) is the 3128-byte settings block, byte for byte.
// Open refuses a file shorter than the block and then leaves the record as it was; a longer file
// contributes its first 3128 bytes. Save writes atomically and reports failure.
FileResult OpenChannelFile(const std::string& path, RadioSettings& settings);
FileResult SaveChannelFile(const std::string& path, const RadioSettings& settings);

// What the radio could not take from a file just opened into `opened`: a size other than exactly
// one record first, then every finding of CheckRecord. The file stays open either way.
std::vector<RecordFinding> CheckChannelFile(const std::string& path, const RadioSettings& opened,
                                            const BandLimits& band);
