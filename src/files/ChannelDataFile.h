#pragma once

#include <string>

#include "files/FileResult.h"
#include "model/RadioSettings.h"

// The channel data file (.Kqd) is the 3128-byte settings block, byte for byte.
// Open refuses a file shorter than the block and then leaves the record as it was; a longer file
// contributes its first 3128 bytes. Save writes atomically and reports failure.
FileResult OpenChannelFile(const std::string& path, RadioSettings& settings);
FileResult SaveChannelFile(const std::string& path, const RadioSettings& settings);
