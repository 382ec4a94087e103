#pragma once

#include <string>

#include "files/FileResult.h"
#include "model/RadioSettings.h"

// One side of a comparison of two records, taken from a file: a memory image (a file of exactly
// MemoryImageSize bytes) unpacked onto the defaults, or else a channel data file.
struct ComparedRecord {
    RadioSettings Settings{};
    // An image carries no password: the radio keeps its password apart from its memory.
    bool HoldsPassword = true;
};

FileResult OpenComparedFile(const std::string& path, ComparedRecord& record);

// A side that holds no password takes the other side's, so that what it cannot know is no
// difference.
void MatchPasswords(ComparedRecord& first, ComparedRecord& second);
