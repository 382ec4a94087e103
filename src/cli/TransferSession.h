#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "cli/PasswordPrompt.h"
#include "link/engine/LinkActions.h"
#include "link/engine/TransferContext.h"
#include "link/engine/TransferTrace.h"

class QCoreApplication;

// What the command line does when the radio's band is not the one the record is written for.
enum class BandDifferencePolicy { Ask, Continue, Stop };

// When the command line shows a successful transfer's outcome: at once, or once the caller has
// safely kept what was read.
enum class SuccessLine { AtOnce, Later };

// How the command line runs a transfer, besides what the transfer works on.
struct TransferRun {
    TransferRun(std::string port, BandDifferencePolicy policy, TransferTrace* trace, PasswordQuestion askPassword = {},
                SuccessLine successLine = SuccessLine::AtOnce)
        : Port(std::move(port)), Policy(policy), Trace(trace), AskPassword(std::move(askPassword)),
          Success(successLine)
    {
    }

    // A COM name or a device path, as PortToOpen takes it.
    std::string Port;
    BandDifferencePolicy Policy;
    // Where the transfer's trace is appended; none to keep no trace.
    TransferTrace* Trace;
    // Asked once when the radio refuses the password presented: the transfer then runs again
    // with the answer.
    PasswordQuestion AskPassword;
    SuccessLine Success;
    // A normal write keeps what it sends once the radio has answered, in that radio's folder; the
    // backup is reported on stderr once the transfer is over.
    bool WriteBackup = false;
};

// Runs one transfer in its own event loop, with progress and port problems on stderr and the
// outcome, in the transfer dialog's English words, on stdout. After a success what was read is
// already in the context's record. A write that failed after its first block says so on stderr.
LinkOutcome RunTransfer(const TransferContext& context, const TransferRun& run);

// The outcome line on stdout.
void ShowOutcome(LinkOutcome outcome);

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
