#pragma once

#include <string>

#include "files/FileResult.h"

// A text file of the exchange read whole; one beyond this size is no channel table or record.
constexpr size_t TextFileLimit = 16 * 1024 * 1024;

// Reads the file into `text`, taking no more memory than the file needs; a file longer than
// `limit` is refused as TextFileTooLarge without being read past it, and `text` is left as it was.
FileResult ReadTextFile(const std::string& path, std::string& text, size_t limit = TextFileLimit);
