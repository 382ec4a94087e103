#pragma once

#include <string>

#include "lang/Messages.h"
#include "link/series/RadioAttempt.h"

// The line a series' list, status and standard output give a radio whose attempt ended: written,
// the same as the record or how many fields differ, let go for having no identity row, or failed
// with `failure`, what went wrong in the words the front end's notice uses (empty: the band
// question stopped it). A radio that told no serial number shows "-".
Message SeriesAttemptLine(const RadioAttempt& attempt, const std::string& failure);
