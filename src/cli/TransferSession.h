#pragma once

#include <functional>
#include <string>

#include "link/engine/LinkActions.h"
#include "link/engine/TransferContext.h"
#include "link/engine/TransferTrace.h"

// What the command line does when the radio's band is not the one the record is written for.
enum class BandDifferencePolicy { Ask, Continue, Stop };

// Runs one transfer on `port` (a COM name or a device path, as PortToOpen takes it) in its own
// event loop, with progress and port problems on stderr and the outcome, in the transfer dialog's
// English words, on stdout. After a success what was read is already in the context's record.
// A write that failed after its first block says so on stderr. The transfer's trace is appended
// to `trace` when one is given.
LinkOutcome RunTransfer(const TransferContext& context, const std::string& port, BandDifferencePolicy policy,
                        TransferTrace* trace = nullptr);

int ExitCodeOf(LinkOutcome outcome);
