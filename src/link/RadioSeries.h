#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <QObject>
#include <QTimer>

#include "link/PortChoice.h"
#include "link/engine/LinkActions.h"
#include "link/engine/TransferTargets.h"
#include "link/engine/TransferTrace.h"
#include "link/series/RadioAttempt.h"
#include "link/series/SeriesCourse.h"
#include "link/series/SeriesPlan.h"

class TransferRunner;

// Writes one setup to radio after radio on one port (or, checking only, reads each radio and
// compares it with the setup). The first radio is written as any write is; after each success the
// series waits on the port the radio was found on until another radio answers (the one just
// written is let go again until the user swaps it), writes that one, and so on. Each attempt is
// logged before the next radio is waited for. Stop takes effect between radios only: at once while
// the series waits, else once the radio on the line is done. Several series on several ports may
// share one job (RadioSeriesGroup), which numbers their radios.
class RadioSeries : public QObject {
    Q_OBJECT
public:
    // Continue (true) or Cancel (false) when a radio's band is not the record's.
    using BandQuestion = std::function<bool(const RadioInfo& reported, const BandLimits& ours)>;

    explicit RadioSeries(SeriesPlan plan, QObject* parent = nullptr);
    explicit RadioSeries(std::shared_ptr<SeriesJob> job, QObject* parent = nullptr);
    ~RadioSeries() override;

    void SetBandQuestion(BandQuestion ask) { askBand_ = std::move(ask); }
    void SetEndAtOnceWhenPortFails(bool atOnce) { endAtOnce_ = atOnce; }
    // See SeriesCourse::AwaitFirstRadio; for a series beside others on other cables.
    void AwaitFirstRadio() { course_.AwaitFirstRadio(); }

    // `portName` is the port as the user named it, for the log; empty: the one the transfer used.
    void Start(const PortChoice& firstRadio, std::string portName = {});
    void Stop();
    // The job has all its radios: a series still waiting for a radio ends now (as the job ends).
    void JobFilled();
    // The radio just written, answering again, is taken as the next one.
    void AcceptSameRadio();

    uint64_t Written() const { return course_.Written(); }
    bool Running() const { return running_; }
    // Every transfer of the series so far, verifying reads included.
    const TransferTrace& Trace() const { return trace_; }

signals:
    // A radio's turn begins: the first at once, each further one when the series starts waiting.
    // `number` is the one the radio gets unless another port takes a radio first.
    void radioStarting(uint64_t number, bool waiting);
    // A radio answered and has its number in the job.
    void radioTaken(uint64_t number);
    void progressChanged(int value);
    void linkStepChanged(int step);
    void verifying();
    void portProblem(const QString& diagnostic);
    void sameRadioAnswered(const QString& serial);
    // After the attempt was logged.
    void radioFinished(const RadioAttempt& attempt);
    // Emitted once; no port is open by then.
    void finished(SeriesEnd end);

private:
    void StartRadio(const PortChoice& choice, bool waiting);
    void StartVerify();
    void WriteFinished(LinkOutcome outcome);
    void VerifyFinished(LinkOutcome outcome);
    void StepChanged(int step);
    void WaitRanOut();
    void EndAttempt();
    void WaitForNextRadio();
    void Finish(SeriesEnd end);
    std::unique_ptr<TransferRunner> NewRunner(const TransferContext& context);
    bool TakeRadio(RadioSettings& record);

    SeriesCourse course_;
    BandQuestion askBand_;
    bool endAtOnce_ = false;
    std::unique_ptr<TransferTargets> radio_;
    std::unique_ptr<TransferTargets> readBack_;
    std::unique_ptr<TransferRunner> writer_;
    std::unique_ptr<TransferRunner> verifier_;
    RadioAttempt attempt_;
    std::string port_;
    std::string portName_;
    QTimer waitLimit_;
    bool waitPassed_ = false;
    bool stopRequested_ = false;
    bool jobFilled_ = false;
    bool radioTaken_ = false;  // the radio on the line has its number
    bool running_ = false;
    TransferTrace trace_;
};
