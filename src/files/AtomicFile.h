#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "files/FileResult.h"

// Writes through a temporary file beside the target and renames it over the target, so a failed
// or interrupted save never leaves a half-written file and never destroys the previous one.
FileResult WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size);

// Reads at most `maxSize` bytes from the start of the file into `data`; `got` tells how many.
FileResult ReadFilePrefix(const std::string& path, uint8_t* data, size_t maxSize, size_t& got);
