#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "RecordHandle.h"
#include "link/engine/LinkEngine.h"
#include "link/engine/TransferTargets.h"
#include "link/engine/TransferTrace.h"
#include "link/engine/WriteVerify.h"

// What a page asks of one transfer: its kind and direction, the band the record is written for (a
// write asks when the radio's differs), the fast link, the stamp a normal write leaves in the radio
// (the local time when none is given), and the transfer buffer a calibration or serial-number
// transfer starts from (zero when none is given). A write in a series of radios waits for its radio.
struct TransferSetup {
    TransferKind kind = TransferKind::Normal;
    bool isRead = true;
    bool fastLink = false;
    BandLimits band;
    std::optional<DateTimeStamp> now;
    RadioWait wait;
    RadioTaking takeRadio;
    TransferBuffer buffer{};
};

// One read or write of a record, driven from JavaScript the way the desktop's driver drives
// the engine: the driver owns the port and the two timers, hands over the bytes waiting on each
// tick and carries out what every call returns (purge, frames to send, timers to start or stop,
// the progress, the band question, the outcome). The intervals the timers run at are kept here
// too, so a worker that restarts its timers can ask. The transfer works on its own copy of the
// record; what it made of it is the result. What went over the wire is traced as the desktop's
// driver traces it, from the moment the transfer is made.
class TransferHandle {
public:
    TransferHandle(const RadioSettings& settings, const TransferSetup& setup);
    TransferHandle(const TransferHandle&) = delete;
    TransferHandle& operator=(const TransferHandle&) = delete;

    // The read that verifies this write: objects of its own, reaching the radio the same way.
    std::unique_ptr<TransferHandle> ReadBack() const;

    // How long the port settles before Start, and how often a fast link looks for a whole answer
    // between the ticks (0: it does not).
    int SettleMs() const { return engine_.Timing().settleMs; }
    int AnswerPollMs() const { return engine_.Timing().answerPollMs; }

    LinkActions Start();
    // Timer_Tx fired; `received` is every byte that was waiting on the port.
    LinkActions Tick(const Bytes& received);
    // Timer_TimeOut fired.
    LinkActions TimeOut();
    LinkActions BandQuestionAnswered(bool goOn);
    // The port would not open or went away: the transfer ends as one with a silent radio does.
    LinkActions PortFailed();
    // A waiting write ends now if no radio has answered, else once it lets that radio go.
    LinkActions StopBeforeRadio() { return Carry(engine_.StopBeforeRadio()); }
    // A waiting write takes the radio it was to wait past.
    void AcceptSameRadio() { engine_.AcceptSameRadio(); }
    bool AnswerComplete(size_t waiting) const
    {
        return outcome_ == LinkOutcome::Running && engine_.AnswerComplete(waiting);
    }

    // The intervals Timer_Tx and Timer_TimeOut run at now; 0 while a timer stands still.
    int TxIntervalMs() const { return txIntervalMs_; }
    int TimeOutIntervalMs() const { return timeOutIntervalMs_; }
    int LinkStep() const { return engine_.LinkStep(); }
    // What the transfer dialog shows under its bar at this step; empty while the blocks go.
    std::string StepText(TTeskFuncs::TLangType language) const;
    int Progress() const { return progress_; }
    LinkOutcome Outcome() const { return outcome_; }
    // A write that ended without success after its first block went out.
    bool PartlyWritten() const { return partlyWritten_; }

    // The record as the transfer left it: a successful read brought the radio's settings into it,
    // any transfer that heard the radio its serial number and handshake fields.
    RecordHandle Result();
    // The band after the transfer: a successful read's is the radio's.
    BandLimits Band() const { return targets_->Band; }
    // The memory image a write sent or a read brought.
    Bytes Image() const { return Bytes(targets_->Image.begin(), targets_->Image.end()); }
    // The transfer buffer as a calibration or serial-number transfer left it.
    const TransferBuffer& Buffer() const { return targets_->Buffer; }

    const TransferTrace& Trace() const { return trace_; }
    // What the transfer works on: its record, band and image.
    const TransferTargets& Targets() const { return *targets_; }

    // How the ending is told to the user: the outcome's own text, then the port's problem after a
    // failure to reach the radio and the partly-written warning. Empty for the quiet stop after the
    // band question. The transfer dialog's texts come in the current language, which must be
    // `language`.
    std::vector<std::string> NoticeLines(const std::string& portProblem, TTeskFuncs::TLangType language) const;
    // What the radio read back after this write holds of what it sent.
    VerifyResult CompareWith(const TransferHandle& readBack) const;
    // The ending of a write verified by `readBack`: the read's failure, or whether the radio holds
    // what was sent.
    std::vector<std::string> VerifiedNoticeLines(const TransferHandle& readBack, const std::string& portProblem,
                                                 TTeskFuncs::TLangType language) const;

private:
    TransferHandle(std::unique_ptr<TransferTargets> targets, const TransferSetup& setup);
    LinkActions Carry(LinkActions actions);
    int64_t ElapsedMs() const;

    TransferSetup setup_;
    std::unique_ptr<TransferTargets> targets_;
    LinkEngine engine_;
    int txIntervalMs_ = 0;
    int timeOutIntervalMs_ = 0;
    int progress_ = 0;
    LinkOutcome outcome_ = LinkOutcome::Running;
    bool partlyWritten_ = false;
    TransferTrace trace_;
    std::chrono::steady_clock::time_point began_ = std::chrono::steady_clock::now();
};
