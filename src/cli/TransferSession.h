#pragma once

#include <functional>
#include <optional>
#include <string>

#include "link/engine/LinkActions.h"
#include "link/engine/TransferContext.h"
#include "link/engine/TransferTrace.h"

class QCoreApplication;

// What the command line does when the radio's band is not the one the record is written for.
enum class BandDifferencePolicy { Ask, Continue, Stop };

// A transfer that only prepares the command's own one prints its outcome only when it ends the
// command, so that stdout keeps one outcome line.
enum class OutcomeLine { Always, OnFailure };

// Runs one transfer on `port` (a COM name or a device path, as PortToOpen takes it) in its own
// event loop, with progress and port problems on stderr and the outcome, in the transfer dialog's
// English words, on stdout. After a success what was read is already in the context's record.
// A write that failed after its first block says so on stderr. The transfer's trace is appended
// to `trace` when one is given.
LinkOutcome RunTransfer(const TransferContext& context, const std::string& port, BandDifferencePolicy policy,
                        TransferTrace* trace = nullptr, OutcomeLine outcomeLine = OutcomeLine::Always);

int ExitCodeOf(LinkOutcome outcome);

// The event loop needs an application object; the command line builds one for its transfers.
QCoreApplication& CliApplication();

// Continue (true) or stop (false) when the radio's band is not the record's, as the policy says.
using BandAnswer = std::function<bool(const RadioInfo& reported, const BandLimits& ours)>;
BandAnswer BandAnswerFor(BandDifferencePolicy policy);

// The device to open for `port`, with the interface set up for a transfer; an unlisted COM name
// is reported as a failed transfer and gives nothing.
std::optional<std::string> LinkDevice(const std::string& port);

// On a terminal the percentage is redrawn in place; into a log only every tenth step is written.
class ProgressReport {
public:
    ProgressReport();
    void Show(int value);
    // Ends the line; the next Show starts a new one.
    void End();

private:
    static constexpr int LogStep = 10;
    const bool interactive_;
    int shown_ = -1;
};
