#pragma once

#include <string>

#include "files/FileResult.h"
#include "link/engine/TransferTrace.h"

// The trace of the last transfer, kept after every transfer of the desktop program and the
// command line, so that a support bundle made later, by either, holds it: "last-transfer.trace"
// in the program's data folder (files/DataFolder.h); empty when no data folder is known.
std::string LastTransferTracePath();

// Replaces the kept trace with `trace`, the radio's password masked whatever the user asked of
// their own trace, for the user alone and through a temporary file, making the data folder (for
// the user alone) when missing. Where no data folder is known nothing is kept, and a bundle says
// it has no trace.
FileResult KeepLastTransferTrace(const TransferTrace& trace);
