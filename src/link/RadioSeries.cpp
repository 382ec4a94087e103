#include "link/RadioSeries.h"

#include <algorithm>

#include <QCryptographicHash>

#include "files/ProgrammingLog.h"
#include "link/TransferRunner.h"
#include "model/DtmfDigits.h"
#include "model/IdSeries.h"
#include "model/MemoryImage.h"
#include "text/PrintableText.h"

namespace {

constexpr uint8_t ErasedByte = 0xFF;
// The handshake step after the serial-number check.
constexpr int PasswordStep = 2;

// A text field of the radio as the log and the messages show it: characters up to the first zero
// byte, or the first erased one, which no log line should carry, with control characters escaped.
std::string LoggedText(const uint8_t* bytes, size_t size)
{
    std::string text;
    for (size_t i = 0; i < size && bytes[i] != 0 && bytes[i] != ErasedByte; ++i)
        text += char(bytes[i]);
    return PrintableText(text);
}

std::string SerialText(const uint8_t* serial) { return LoggedText(serial, DeviceSnSize); }

SerialNumberBytes SerialBytes(const uint8_t (&serial)[DeviceSnSize])
{
    SerialNumberBytes bytes{};
    std::copy(std::begin(serial), std::end(serial), bytes.begin());
    return bytes;
}

// The bytes that went to the radio, its IDs and the write's time stamp included: the rest of the
// image is the radio's own.
std::string WrittenSha256(const MemoryImage& image)
{
    const QByteArray written(reinterpret_cast<const char*>(image.data()), int(VerifiedSpan));
    return QCryptographicHash::hash(written, QCryptographicHash::Sha256).toHex().toStdString();
}

ProgrammingLogRow LogRow(const RadioAttempt& attempt, const std::string& file)
{
    ProgrammingLogRow row;
    row.Time = LocalIsoTime();
    row.Serial = attempt.Serial;
    row.Firmware = attempt.Firmware;
    row.BandMin = attempt.RadioBand.BandMin;
    row.BandMax = attempt.RadioBand.BandMax;
    row.File = file.empty() ? UnsavedRecordFile : file;
    row.RecordSha256 = attempt.RecordSha256;
    row.PttId = attempt.PttId;
    row.Ani = attempt.Ani;
    row.Outcome = attempt.OutcomeWords();
    row.Verify = attempt.VerifyWords();
    return row;
}

}

LinkOutcome RadioAttempt::EndingOutcome() const
{
    return Outcome == LinkOutcome::Success && Verified ? VerifyOutcome : Outcome;
}

bool RadioAttempt::Succeeded() const
{
    return EndingOutcome() == LinkOutcome::Success && (!Verified || Comparison.Matches());
}

std::string RadioAttempt::OutcomeWords() const
{
    switch (Outcome) {
    case LinkOutcome::Success:
        return "written";
    case LinkOutcome::PasswordError:
        return "password error";
    case LinkOutcome::Closed:
        return "band refused";
    default:
        return PartlyWritten ? "communication failure, partly written" : "communication failure";
    }
}

std::string RadioAttempt::VerifyWords() const
{
    if (!Verified || Outcome != LinkOutcome::Success)
        return "";
    if (VerifyOutcome != LinkOutcome::Success)
        return "read failed";
    if (Comparison.Matches())
        return "match";
    return "mismatch from " + FirstDifferenceText(Comparison) + ", " + std::to_string(Comparison.differing) +
           " bytes";
}

RadioSeries::RadioSeries(SeriesPlan plan, QObject* parent) : QObject(parent), plan_(std::move(plan))
{
    waitLimit_.setSingleShot(true);
    connect(&waitLimit_, &QTimer::timeout, this, &RadioSeries::WaitRanOut);
}

RadioSeries::~RadioSeries() = default;

void RadioSeries::Start(const PortChoice& firstRadio)
{
    if (running_)
        return;
    running_ = true;
    stopRequested_ = false;
    written_ = 0;
    lastSerial_.reset();
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
    attempt_ = RadioAttempt{};
    attempt_.Number = written_ + 1;
    attempt_.Verified = plan_.Verify;
    radio_ = std::make_unique<TransferTargets>();
    radio_->Settings = plan_.Record;
    // What the log says of the radio must come from this radio's handshake, not an earlier one.
    std::fill(std::begin(radio_->Settings.DeviceSn), std::end(radio_->Settings.DeviceSn), 0);
    radio_->Settings.WriteRadioInfo.BandMin = 0;
    radio_->Settings.WriteRadioInfo.BandMax = 0;
    radio_->Band = plan_.Band;
    radio_->Link = plan_.Link;
    if (plan_.IncreaseIds)
        ApplySeriesIds(radio_->Settings, written_);
    attempt_.PttId = DtmfText(radio_->Settings.PttId, DtmfCodeCapacity, radio_->Settings.PttIdLength);
    attempt_.Ani = DtmfText(radio_->Settings.Ani, DtmfCodeCapacity, radio_->Settings.AniLength);

    TransferContext context = radio_->Context(TransferKind::Normal, false);
    context.Wait = RadioWait{waiting, lastSerial_};
    verifier_.reset();
    writer_ = NewRunner(context);
    // Nobody may be watching while the series waits: a port that will not reopen ends it now.
    if (waiting)
        writer_->SetEndAtOnceWhenPortFails(true);
    writer_->SetWriteBackup(plan_.Backups);
    writer_->SetBandQuestion([this] {
        return askBand_ && askBand_(radio_->Settings.WriteRadioInfo, radio_->Band);
    });
    connect(writer_.get(), &TransferRunner::linkStepChanged, this, &RadioSeries::StepChanged);
    connect(writer_.get(), &TransferRunner::sameRadioAnswered, this,
            [this] { emit sameRadioAnswered(QString::fromStdString(lastSerial_ ? SerialText(lastSerial_->data()) : "")); });
    connect(writer_.get(), &TransferRunner::finished, this, &RadioSeries::WriteFinished);
    waitPassed_ = false;
    if (waiting && plan_.WaitLimitMs > 0)
        waitLimit_.start(plan_.WaitLimitMs);
    trace_.Note(0, "radio " + std::to_string(attempt_.Number) + (waiting ? ": waiting for it" : ""));
    emit radioStarting(attempt_.Number, waiting);
    writer_->Start(choice);
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
    if (outcome == LinkOutcome::Stopped) {
        Finish(waitPassed_ ? SeriesEnd::WaitRanOut : SeriesEnd::Stopped);
        return;
    }
    port_ = writer_->PortInUse();
    attempt_.Outcome = outcome;
    attempt_.PartlyWritten = writer_->PartlyWritten();
    attempt_.Backup = writer_->WriteBackup();
    attempt_.Serial = SerialText(radio_->Settings.DeviceSn);
    attempt_.RadioBand = {radio_->Settings.WriteRadioInfo.BandMin, radio_->Settings.WriteRadioInfo.BandMax};
    attempt_.RecordSha256 = outcome == LinkOutcome::Success ? WrittenSha256(radio_->Image) : "";
    if (outcome == LinkOutcome::Success && plan_.Verify)
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
    attempt_.VerifyOutcome = outcome;
    if (outcome == LinkOutcome::Success) {
        attempt_.Comparison = CompareWritten(radio_->Image, readBack_->Image);
        verifier_->ApplyResult();
        attempt_.Firmware = LoggedText(readBack_->Settings.SoftwareVersion, SoftwareVersionFieldSize);
    }
    EndAttempt();
}

// The attempt is logged before anything else happens, so the log holds every radio touched.
void RadioSeries::EndAttempt()
{
    if (!plan_.LogPath.empty())
        attempt_.Logged = AppendProgrammingLogRow(plan_.LogPath, LogRow(attempt_, plan_.FileName));
    const bool succeeded = attempt_.Succeeded();
    if (succeeded) {
        ++written_;
        lastSerial_ = SerialBytes(radio_->Settings.DeviceSn);
    }
    emit radioFinished(attempt_);
    if (!attempt_.Logged.ok)
        Finish(SeriesEnd::LogFailed);
    else if (!succeeded)
        Finish(SeriesEnd::RadioFailed);
    else if (stopRequested_)
        Finish(SeriesEnd::Stopped);
    else if (plan_.Radios && written_ >= *plan_.Radios)
        Finish(SeriesEnd::AllWritten);
    else if (plan_.IncreaseIds && written_ >= IdSeriesCapacity(plan_.Record))
        Finish(SeriesEnd::IdsRanOut);
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
