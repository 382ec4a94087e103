#pragma once

#include <string>

#include "model/MemoryImage.h"

enum class MemoryFileLoad { Loaded, Missing, Unusable };

// A memory file is the raw 8192-byte image. A file of any other size is refused rather than
// half-loaded, so that the radio never saves a mangled image over the user's file.
MemoryFileLoad LoadMemoryFile(const std::string& path, MemoryImage& image);

// Written to a temporary file and renamed over the old one, so a crash leaves the old image.
bool SaveMemoryFile(const std::string& path, const MemoryImage& image);
