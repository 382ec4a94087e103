#pragma once

#include <functional>
#include <string>

#include <QElapsedTimer>
#include <QObject>

#include "files/BackupStore.h"
#include "link/PortChoice.h"
#include "link/SerialLink.h"
#include "link/TransferNotice.h"
#include "link/engine/LinkEngine.h"
#include "link/engine/TransferContext.h"
#include "link/engine/TransferTrace.h"

class QTimer;

// Runs one transfer: owns the port and the two link timers, feeds the engine the timer events
// and the received bytes, and carries out what the engine answers. Works with or without
// widgets; the band question is put through a callback, everything else is reported by signals.
class TransferRunner : public QObject {
    Q_OBJECT
public:
    // Continue (true) or Cancel (false), asked while both timers stand still.
    using BandQuestion = std::function<bool()>;

    // The runner's own children Timer_Tx and Timer_TimeOut drive the transfer; a dialog that shows
    // it passes itself as `parent`, so the timers are found among its parts.
    explicit TransferRunner(const TransferContext& context, QObject* parent = nullptr);

    void SetBandQuestion(BandQuestion ask) { askBand_ = std::move(ask); }
    // A named port that does not open then ends the transfer at once instead of after the
    // time-out; for callers that have already told the user why.
    void SetEndAtOnceWhenPortFails(bool atOnce) { endAtOnce_ = atOnce; }
    // A normal write then keeps what it sends as a backup once the radio has answered, before the
    // first block: by then the record carries the serial number that radio reported, so the backup
    // lands in its folder, whichever radio the record came from. A backup that fails leaves the
    // write running; whoever watches reports it once the transfer is over.
    void SetWriteBackup(bool keep) { backUpWrite_ = keep; }

    // Opens the port, lets it settle, and starts the protocol.
    void Start(const PortChoice& choice);
    // Ends the transfer while no radio has answered it (true); otherwise (false) a waiting
    // transfer stops when it lets the radio it waits past go again, and a radio it takes is served
    // to the end.
    bool StopBeforeRadio();
    // The user's stop (see LinkEngine::Cancel); also before the protocol has started, while the
    // port settles or waits out its time-out. True when the transfer ended.
    bool Cancel();
    bool CanCancel() const;
    // A transfer waiting past the radio just written takes it after all.
    void AcceptSameRadio() { engine_.AcceptSameRadio(); }
    // After a successful transfer and its notice: puts what was read into the record.
    void ApplyResult() { engine_.ApplyResult(); }
    LinkOutcome Outcome() const { return outcome_; }
    // A write that ended without success after its first block went out.
    bool PartlyWritten() const { return partlyWritten_; }
    // The bytes of this transfer with their times, the port and the outcome.
    const TransferTrace& Trace() const { return trace_; }
    // The port the transfer ran on (the one the search found), for a read that follows.
    const std::string& PortInUse() const { return portInUse_; }
    // What the ending notice tells beside the outcome: why the named port did not open, which
    // ports were tried, whether the radio may hold part of a write.
    TransferEnding Ending() const;
    // What the write's backup kept, or why it failed; ok and without a path while none was made.
    const BackupResult& WriteBackup() const { return writeBackup_; }

    QTimer* const Timer_Tx;
    QTimer* const Timer_TimeOut;

signals:
    void progressChanged(int value);
    // The protocol moved to another link step: 0 hello, 1 and 2 password and band, 3 blocks.
    void linkStepChanged(int step);
    // Why a port could not be opened, for the user, in the interface language.
    void portProblem(const QString& diagnostic);
    // A waiting transfer heard the radio it waits past and let it go again.
    void sameRadioAnswered();
    // Emitted once; the port is closed and both timers stand still by then.
    void finished(LinkOutcome outcome);

private:
    void Timer_TxTimer();
    void PollAnswer();
    void Timer_TimeOutTimer();
    void Timer_TimeOutTrigger();
    void StartProtocol();
    bool OpenNamedPort(const std::string& portName);
    bool OpenFirstCandidate();
    bool OpenNextCandidate();
    void Execute(const LinkActions& actions);
    void Finish(LinkOutcome outcome);
    void Note(const std::string& text) { trace_.Note(clock_.elapsed(), text); }
    void PortOpened(const std::string& portName, bool opened);
    void BackUpWrite();

    const TransferContext context_;
    LinkEngine engine_;
    // How the context's link settings look COM numbers up, for every port the transfer opens.
    const TeskComm32::PortLookup ports_;
    SerialLink link_;
    PortCandidates candidates_;
    QTimer* const settle_;
    QTimer* const answerPoll_;
    BandQuestion askBand_;
    bool autoSearch_ = false;
    bool endAtOnce_ = false;
    bool backUpWrite_ = false;
    BackupResult writeBackup_;
    bool protocolStarted_ = false;
    LinkOutcome outcome_ = LinkOutcome::Running;
    int linkStep_ = -1;
    bool partlyWritten_ = false;
    std::string requestedPort_;  // without the search
    std::string portInUse_;
    std::string portProblem_;  // UTF-8, in the interface language
    TransferTrace trace_;
    QElapsedTimer clock_;
};
