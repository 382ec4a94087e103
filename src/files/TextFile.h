#pragma once

#include <string>

#include "files/FileResult.h"

// A text file of the exchange read whole; one beyond this size is no channel table or record.
constexpr size_t TextFileLimit = 16 * 1024 * 1024;

FileResult ReadTextFile(const std::string& path, std::string& text);
