#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "cli/PasswordPrompt.h"
#include "link/engine/LinkActions.h"
#include "link/engine/TransferContext.h"
#include "link/engine/TransferTrace.h"
#include "ports/PortLookup.h"

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

// Where the command line's transfers run: Qt's event loop, with the application object it needs,
// and COM names that mean what they mean in the desktop program, pinned ports included. A command
// that talks to the radio makes one session for all its transfers; the file commands make none.
class TransferSession {
public:
    TransferSession();
    ~TransferSession();
    TransferSession(const TransferSession&) = delete;
    TransferSession& operator=(const TransferSession&) = delete;

    // Runs one transfer in the event loop, with progress and port problems on stderr and the
    // outcome, in the transfer dialog's English words, on stdout. After a success what was read
    // is already in the context's record. A write that failed after its first block says so on
    // stderr. The context's link takes the session's port lookup.
    LinkOutcome Run(const TransferContext& context, const TransferRun& run);

    // The device to open for `port`, with the interface set up for a transfer; an unlisted COM
    // name is reported as a failed transfer and gives nothing.
    std::optional<std::string> LinkDevice(const std::string& port);

    const TeskComm32::PortLookup& Ports() const { return ports_; }
    // For a command that runs the event loop itself, as a series of radios does.
    QCoreApplication& Application() { return *application_; }

private:
    LinkOutcome RunOnce(const TransferContext& context, const std::string& device, const TransferRun& run);

    int argc_ = 1;
    char name_[sizeof "kr-t27-cli"] = "kr-t27-cli";
    char* argv_[2] = {name_, nullptr};
    const std::unique_ptr<QCoreApplication> application_;
    const TeskComm32::PortLookup ports_;
};

// A command with a single transfer runs it in a session of its own.
LinkOutcome RunTransfer(const TransferContext& context, const TransferRun& run);

// The outcome line on stdout.
void ShowOutcome(LinkOutcome outcome);

int ExitCodeOf(LinkOutcome outcome);

// Continue (true) or stop (false) when the radio's band is not the record's, as the policy says.
using BandAnswer = std::function<bool(const RadioInfo& reported, const BandLimits& ours)>;
BandAnswer BandAnswerFor(BandDifferencePolicy policy);

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
