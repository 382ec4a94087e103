#pragma once

#include <string>

#include "files/FileResult.h"
#include "lang/FileMessage.h"

// A failure as the command-line tool prints it.
inline std::string Worded(const FileResult& result) { return EnglishMessage(FileMessage(result)); }
