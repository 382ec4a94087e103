#include "link/RadioSeries.h"

#include "files/ProgrammingLog.h"
#include "link/TransferRunner.h"

namespace {

// The handshake step after the serial-number check.
constexpr int PasswordStep = 2;

}

RadioSeries::RadioSeries(SeriesPlan plan, QObject* parent)
    : RadioSeries(std::make_shared<SeriesJob>(std::move(plan)), parent)
{
}

RadioSeries::RadioSeries(std::shared_ptr<SeriesJob> job, QObject* parent) : QObject(parent), course_(std::move(job))
{
    waitLimit_.setSingleShot(true);
    connect(&waitLimit_, &QTimer::timeout, this, &RadioSeries::WaitRanOut);
}

RadioSeries::~RadioSeries() = default;

// A series runs once: its course counts the job's radios, which only a new job starts again.
void RadioSeries::Start(const PortChoice& firstRadio, std::string portName)
{
    if (running_)
        return;
    running_ = true;
    stopRequested_ = false;
    jobFilled_ = false;
    portName_ = std::move(portName);
    trace_.Clear();
    StartRadio(firstRadio, false);
}

void RadioSeries::Stop()
{
    if (!running_)
        return;
    stopRequested_ = true;
    if (writer_ && !verifier_ && writer_->Outcome() == LinkOutcome::Running)
        writer_->StopBeforeRadio();
}

// A cable's first radio counts as awaited too: a job that is full needs no radio on it.
void RadioSeries::JobFilled()
{
    if (!running_ || radioTaken_ || verifier_ || !writer_ || writer_->Outcome() != LinkOutcome::Running)
        return;
    jobFilled_ = true;
    writer_->StopBeforeRadio();
}

void RadioSeries::AcceptSameRadio()
{
    if (writer_ && !verifier_)
        writer_->AcceptSameRadio();
}

std::unique_ptr<TransferRunner> RadioSeries::NewRunner(const TransferContext& context)
{
    auto runner = std::make_unique<TransferRunner>(context);
    runner->SetEndAtOnceWhenPortFails(endAtOnce_);
    connect(runner.get(), &TransferRunner::progressChanged, this, &RadioSeries::progressChanged);
    connect(runner.get(), &TransferRunner::portProblem, this, &RadioSeries::portProblem);
    return runner;
}

// Each radio is written from a copy of the record, so the IDs of one never reach the next.
void RadioSeries::StartRadio(const PortChoice& choice, bool waiting)
{
    const SeriesPlan& plan = course_.Plan();
    attempt_ = course_.NextAttempt();
    radio_ = std::make_unique<TransferTargets>();
    radio_->Settings = course_.NextRecord();
    radio_->Band = plan.Band;
    radio_->Link = plan.Link;

    TransferContext context = radio_->Context(TransferKind::Normal, plan.CheckOnly);
    context.Wait = course_.NextWait();
    context.TakeRadio = [this](RadioSettings& record) { return TakeRadio(record); };
    verifier_.reset();
    radioTaken_ = false;
    writer_ = NewRunner(context);
    // Nobody may be watching while the series waits: a port that will not reopen ends it now.
    if (context.Wait.Waiting)
        writer_->SetEndAtOnceWhenPortFails(true);
    writer_->SetWriteBackup(plan.Backups);
    writer_->SetBandQuestion([this] {
        return askBand_ && askBand_(radio_->Settings.WriteRadioInfo, radio_->Band);
    });
    connect(writer_.get(), &TransferRunner::linkStepChanged, this, &RadioSeries::StepChanged);
    connect(writer_.get(), &TransferRunner::sameRadioAnswered, this,
            [this] { emit sameRadioAnswered(QString::fromStdString(course_.LastSerial())); });
    connect(writer_.get(), &TransferRunner::finished, this, &RadioSeries::WriteFinished);
    waitPassed_ = false;
    if (context.Wait.Waiting && plan.WaitLimitMs > 0)
        waitLimit_.start(plan.WaitLimitMs);
    trace_.Note(0, "radio " + std::to_string(attempt_.Number) + (waiting ? ": waiting for it" : ""));
    emit radioStarting(attempt_.Number, waiting);
    writer_->Start(choice);
}

bool RadioSeries::TakeRadio(RadioSettings& record)
{
    if (!course_.TakeRadio(record, attempt_))
        return false;
    radioTaken_ = true;
    emit radioTaken(attempt_.Number);
    return true;
}

// Past the serial-number check a radio is taken, and the wait is over.
void RadioSeries::StepChanged(int step)
{
    if (step >= PasswordStep) {
        waitLimit_.stop();
        waitPassed_ = false;
    }
    emit linkStepChanged(step);
}

void RadioSeries::WaitRanOut()
{
    waitPassed_ = true;
    writer_->StopBeforeRadio();
}

void RadioSeries::WriteFinished(LinkOutcome outcome)
{
    waitLimit_.stop();
    trace_.Append(writer_->Trace());
    if (attempt_.Refusal == RadioRefusal::JobFull || (outcome == LinkOutcome::Stopped && jobFilled_)) {
        Finish(course_.JobFull().value_or(SeriesEnd::AllWritten));
        return;
    }
    port_ = writer_->PortInUse();
    attempt_.Port = portName_.empty() ? port_ : portName_;
    if (attempt_.Refusal == RadioRefusal::NoIdentityRow) {
        attempt_.Outcome = outcome;
        EndAttempt();
        return;
    }
    if (outcome == LinkOutcome::Stopped) {
        Finish(waitPassed_ ? SeriesEnd::WaitRanOut : SeriesEnd::Stopped);
        return;
    }
    if (course_.Plan().CheckOnly) {
        writer_->ApplyResult();
        attempt_.TakeCheck(outcome, course_.Plan().Record, radio_->Settings);
        EndAttempt();
        return;
    }
    attempt_.TakeWrite(outcome, writer_->PartlyWritten(), radio_->Settings, radio_->Image);
    attempt_.Backup = writer_->WriteBackup();
    if (outcome == LinkOutcome::Success && course_.Plan().Verify)
        StartVerify();
    else
        EndAttempt();
}

// A normal read into objects of its own, on the port the radio was found on.
void RadioSeries::StartVerify()
{
    emit verifying();
    readBack_ = TransferTargets::ForReadBack(radio_->Context(TransferKind::Normal, false));
    verifier_ = NewRunner(readBack_->Context(TransferKind::Normal, true));
    connect(verifier_.get(), &TransferRunner::finished, this, &RadioSeries::VerifyFinished);
    verifier_->Start(PortChoice::Named(port_));
}

void RadioSeries::VerifyFinished(LinkOutcome outcome)
{
    trace_.Note(0, "verifying read");
    trace_.Append(verifier_->Trace());
    verifier_->ApplyResult();
    attempt_.TakeVerify(outcome, radio_->Image, readBack_->Image, readBack_->Settings);
    EndAttempt();
}

// The attempt is logged before anything else happens, so the log holds every radio touched.
void RadioSeries::EndAttempt()
{
    const SeriesPlan& plan = course_.Plan();
    if (!plan.LogPath.empty())
        attempt_.Logged =
            AppendProgrammingLogRow(plan.LogPath, AttemptLogRow(attempt_, plan.FileName, LocalIsoTime()));
    const std::optional<SeriesEnd> end = course_.AttemptEnded(attempt_, radio_->Settings, stopRequested_);
    emit radioFinished(attempt_);
    if (end)
        Finish(*end);
    else
        WaitForNextRadio();
}

// Not from inside the finished radio's own signal: starting the next one replaces its runner.
void RadioSeries::WaitForNextRadio()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (stopRequested_)
                Finish(SeriesEnd::Stopped);
            else
                StartRadio(PortChoice::Named(port_), true);
        },
        Qt::QueuedConnection);
}

void RadioSeries::Finish(SeriesEnd end)
{
    running_ = false;
    emit finished(end);
}
