#pragma once

#include "files/FileResult.h"
#include "lang/Messages.h"

// The message that tells the user why a file could not be read or written.
Message FileMessage(const FileResult& result);
