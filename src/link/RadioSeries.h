#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QObject>
#include <QTimer>

#include "files/BackupStore.h"
#include "files/FileResult.h"
#include "link/PortChoice.h"
#include "link/engine/LinkActions.h"
#include "link/engine/TransferTargets.h"
#include "link/engine/TransferTrace.h"
#include "link/engine/WriteVerify.h"
#include "model/BandLimits.h"
#include "model/RadioSettings.h"

class TransferRunner;

constexpr uint64_t SeriesMostRadios = 999;

// What a series of radios is to get and how it runs.
struct SeriesPlan {
    RadioSettings Record{};  // copied: each radio's IDs go into its own copy only
    BandLimits Band;
    LinkSettings Link;
    std::optional<uint64_t> Radios;  // std::nullopt: until stopped, or until the IDs run out
    bool Verify = false;
    bool IncreaseIds = false;
    std::string LogPath;   // empty: no log
    std::string FileName;  // the file that holds the record as written, named in the log; empty: none does
    int WaitLimitMs = 0;   // how long each next radio may take to answer; 0: until stopped
    bool Backups = false;  // each radio's write kept in that radio's folder (see TransferRunner)
};

// How the series ended.
enum class SeriesEnd { AllWritten, Stopped, RadioFailed, IdsRanOut, WaitRanOut, LogFailed };

// One radio of the series, as the log keeps it, and its backup.
struct RadioAttempt {
    uint64_t Number = 0;  // from 1
    std::string Serial;
    std::string Firmware;  // known only from a verifying read
    BandLimits RadioBand;  // as the radio reported it
    std::string PttId;
    std::string Ani;
    std::string RecordSha256;  // of the bytes the write sent
    LinkOutcome Outcome = LinkOutcome::Running;  // of the write
    bool PartlyWritten = false;
    bool Verified = false;                        // a verifying read was asked for
    LinkOutcome VerifyOutcome = LinkOutcome::Running;
    VerifyResult Comparison;
    FileResult Logged;  // ok and empty when there is no log
    BackupResult Backup;  // of what the write sent; ok and without a path when none was made

    bool Succeeded() const;
    // The outcome of the transfer that ended the attempt: the write's, or once the radio was
    // written the verifying read's. A failed attempt whose ending is Success read back something
    // else than was written.
    LinkOutcome EndingOutcome() const;
    // The log's words for the outcome and the verify column.
    std::string OutcomeWords() const;
    std::string VerifyWords() const;
};

// Writes one setup to radio after radio on one port. The first radio is written as any write
// is; after each success the series waits on the port the radio was found on until another radio
// answers (the one just written is let go again until the user swaps it), writes that one, and
// so on. Each attempt is logged before the next radio is waited for. Stop takes effect between
// radios only: at once while the series waits, else once the radio on the line is done.
class RadioSeries : public QObject {
    Q_OBJECT
public:
    // Continue (true) or Cancel (false) when a radio's band is not the record's.
    using BandQuestion = std::function<bool(const RadioInfo& reported, const BandLimits& ours)>;

    explicit RadioSeries(SeriesPlan plan, QObject* parent = nullptr);
    ~RadioSeries() override;

    void SetBandQuestion(BandQuestion ask) { askBand_ = std::move(ask); }
    void SetEndAtOnceWhenPortFails(bool atOnce) { endAtOnce_ = atOnce; }

    void Start(const PortChoice& firstRadio);
    void Stop();
    // The radio just written, answering again, is taken as the next one.
    void AcceptSameRadio();

    uint64_t Written() const { return written_; }
    bool Running() const { return running_; }
    // Every transfer of the series so far, verifying reads included.
    const TransferTrace& Trace() const { return trace_; }

signals:
    // A radio's turn begins: the first at once, each further one when the series starts waiting.
    void radioStarting(uint64_t number, bool waiting);
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

    SeriesPlan plan_;
    BandQuestion askBand_;
    bool endAtOnce_ = false;
    std::unique_ptr<TransferTargets> radio_;
    std::unique_ptr<TransferTargets> readBack_;
    std::unique_ptr<TransferRunner> writer_;
    std::unique_ptr<TransferRunner> verifier_;
    RadioAttempt attempt_;
    std::optional<SerialNumberBytes> lastSerial_;
    std::string port_;
    QTimer waitLimit_;
    bool waitPassed_ = false;
    bool stopRequested_ = false;
    bool running_ = false;
    uint64_t written_ = 0;
    TransferTrace trace_;
};
