#include "ui/SeriesWriteDialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "files/ProgrammingLog.h"
#include "lang/AppLang.h"
#include "lang/DisplayMessage.h"
#include "lang/FileMessage.h"
#include "lang/IdSeriesMessage.h"
#include "lang/TextTable.h"
#include "link/ProgramDialogEntry.h"
#include "link/TransferNotice.h"
#include "link/engine/LinkEngine.h"
#include "model/DtmfDigits.h"
#include "model/IdSeries.h"
#include "notices/AccessibleNames.h"
#include "notices/Notices.h"

namespace {

constexpr int ProgressMaximum = 100;
const QString ProgressInPercent = QStringLiteral("%p%");
// What the list shows for a radio that failed before it told its serial number.
const QString UnknownSerial = QStringLiteral("-");

QString Text(MessageId id, std::vector<MessageArg> args = {}) { return DisplayMessage({id, std::move(args)}); }
QString DialogText(int entry) { return DisplayText(ProgramDialogText(entry)); }
// Message arguments are in the local 8-bit encoding, as the file layer's paths are.
MessageArg Arg(const QString& text) { return MessageArg(text.toLocal8Bit().toStdString()); }
MessageArg Arg(uint64_t number) { return MessageArg(std::to_string(number)); }

QString SerialOf(const RadioAttempt& attempt)
{
    return attempt.Serial.empty() ? UnknownSerial : QString::fromStdString(attempt.Serial);
}

// The notice a single write shows for the same ending, line by line; none for the quiet stop
// after the band question.
QStringList FailureLines(const RadioAttempt& attempt, const QString& portProblem)
{
    const LinkOutcome ending = attempt.EndingOutcome();
    if (ending == LinkOutcome::Success)
        return {DisplayMessage(VerifyMismatchMessage(attempt.Comparison))};
    const TransferEnding told{ending, attempt.PartlyWritten, false, portProblem.toStdString(), {}, false};
    return DisplayTexts(OutcomeNoticeLines(told, AppLang().LangType()));
}

QString OutcomeLine(const RadioAttempt& attempt, const QString& portProblem)
{
    if (attempt.Succeeded())
        return Text(MessageId::SeriesRadioWritten, {Arg(attempt.Number), Arg(SerialOf(attempt))});
    const QStringList lines = FailureLines(attempt, portProblem);
    const QString what = lines.isEmpty() ? Text(MessageId::SeriesBandRefused) : lines.first();
    return Text(MessageId::SeriesRadioFailed, {Arg(attempt.Number), Arg(SerialOf(attempt)), Arg(what)});
}

QPushButton* NewButton(const char* objectName, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    return button;
}

QCheckBox* NewCheckBox(const char* objectName, const QString& caption, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(objectName);
    box->setAccessibleName(caption);
    return box;
}

// A caption ends in a colon, ASCII or full-width; a window title does not.
QString LabelAsTitle(QString caption)
{
    constexpr char16_t FullWidthColon = u'\uFF1A';
    return caption.remove(QChar(':')).remove(QChar(FullWidthColon));
}

// The menu item's caption says that it opens a dialog; the dialog's own title need not.
QString TitleText()
{
    QString title = Text(MessageId::WriteSeveralRadios);
    return title.remove(QStringLiteral("..."));
}

}

SeriesWriteDialog::SeriesWriteDialog(SeriesSource source, ChooseLogPath chooseLog, QWidget* owner)
    : QDialog(owner),
      source_(std::move(source)),
      chooseLog_(std::move(chooseLog)),
      RadioCount(new QSpinBox(this)),
      UntilStopped(NewCheckBox("UntilStopped", Text(MessageId::SeriesUntilStopped), this)),
      VerifyAfterWrite_(NewCheckBox("VerifyAfterWrite", Text(MessageId::VerifyAfterWriting), this)),
      IncreaseIds(NewCheckBox("IncreaseIds", Text(MessageId::SeriesIncreaseIds), this)),
      FirstIds(new QLabel(this)),
      LogFile(new QLineEdit(QFile::decodeName(DefaultProgrammingLogPath().c_str()), this)),
      BrowseLog(NewButton("BrowseLog", Text(MessageId::SeriesBrowse), this)),
      SeriesProgress(new QProgressBar(this)),
      SeriesStatus(new QLabel(this)),
      SeriesOutcomes(new QListWidget(this)),
      SeriesStart(NewButton("SeriesStart", DialogText(StartCaption), this)),
      SeriesStop(NewButton("SeriesStop", Text(MessageId::SeriesStop), this)),
      SameRadioAgain(NewButton("SameRadioAgain", Text(MessageId::SeriesSameRadioAgain), this)),
      SeriesClose(NewButton("SeriesClose", Text(MessageId::SeriesClose), this))
{
    setObjectName("SeriesWriteDialog");
    setWindowTitle(TitleText());
    RadioCount->setObjectName("RadioCount");
    RadioCount->setRange(1, int(SeriesMostRadios));
    RadioCount->setAccessibleName(Text(MessageId::SeriesRadioCount));
    // The edit inside the spin box takes the focus, so it needs the name too.
    for (QLineEdit* edit : RadioCount->findChildren<QLineEdit*>())
        edit->setAccessibleName(RadioCount->accessibleName());
    FirstIds->setObjectName("FirstIds");
    LogFile->setObjectName("LogFile");
    LogFile->setAccessibleName(Text(MessageId::SeriesLogFile));
    SeriesProgress->setObjectName("SeriesProgress");
    SeriesProgress->setRange(0, ProgressMaximum);
    SeriesProgress->setValue(0);
    SeriesProgress->setAccessibleName(TitleText());
    SeriesStatus->setObjectName("SeriesStatus");
    SeriesStatus->setAccessibleName(Text(MessageId::TransferStatusName));
    SeriesStatus->setWordWrap(true);
    SeriesOutcomes->setObjectName("SeriesOutcomes");
    SeriesOutcomes->setAccessibleName(Text(MessageId::SeriesOutcomeListName));
    for (QPushButton* button : {BrowseLog, SeriesStart, SeriesStop, SameRadioAgain, SeriesClose})
        button->setAutoDefault(false);
    // As in the single transfer: Enter or Alt+S starts, and no other button takes Enter.
    SeriesStart->setDefault(true);
    SeriesStart->setShortcut(QKeySequence(Qt::ALT | Qt::Key_S));
    BuildLayout();
    ConnectControls();
    ShowFirstIds();
    ShowRunning(false);
}

SeriesWriteDialog::~SeriesWriteDialog() = default;

void SeriesWriteDialog::BuildLayout()
{
    auto* settings = new QGridLayout;
    auto* countLabel = new QLabel(Text(MessageId::SeriesRadioCount), this);
    countLabel->setBuddy(RadioCount);
    settings->addWidget(countLabel, 0, 0);
    settings->addWidget(RadioCount, 0, 1);
    settings->addWidget(UntilStopped, 0, 2);
    settings->addWidget(VerifyAfterWrite_, 1, 0, 1, 3);
    settings->addWidget(IncreaseIds, 2, 0, 1, 3);
    settings->addWidget(FirstIds, 3, 0, 1, 3);
    auto* logLabel = new QLabel(Text(MessageId::SeriesLogFile), this);
    logLabel->setBuddy(LogFile);
    auto* logLine = new QHBoxLayout;
    logLine->addWidget(LogFile, 1);
    logLine->addWidget(BrowseLog);
    settings->addWidget(logLabel, 4, 0);
    settings->addLayout(logLine, 4, 1, 1, 2);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(SeriesStart, QDialogButtonBox::ActionRole);
    buttons->addButton(SeriesStop, QDialogButtonBox::ActionRole);
    buttons->addButton(SameRadioAgain, QDialogButtonBox::ActionRole);
    buttons->addButton(SeriesClose, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &SeriesWriteDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(settings);
    layout->addWidget(SeriesProgress);
    layout->addWidget(SeriesStatus);
    layout->addWidget(SeriesOutcomes, 1);
    layout->addWidget(buttons);
    NameControlsWhenShown(this);
}

void SeriesWriteDialog::ConnectControls()
{
    connect(UntilStopped, &QCheckBox::toggled, RadioCount, [this](bool until) { RadioCount->setEnabled(!until); });
    connect(IncreaseIds, &QCheckBox::toggled, FirstIds, &QLabel::setEnabled);
    connect(BrowseLog, &QPushButton::clicked, this, &SeriesWriteDialog::BrowseClick);
    connect(SeriesStart, &QPushButton::clicked, this, &SeriesWriteDialog::StartClick);
    connect(SeriesStop, &QPushButton::clicked, this, [this] {
        SeriesStop->setEnabled(false);
        series_->Stop();
    });
    connect(SameRadioAgain, &QPushButton::clicked, this, &SeriesWriteDialog::SameRadioAgainClick);
}

void SeriesWriteDialog::ShowFirstIds()
{
    const RadioSettings& record = source_.Record;
    const std::string pttId = DtmfText(record.PttId, DtmfCodeCapacity, record.PttIdLength);
    const std::string ani = DtmfText(record.Ani, DtmfCodeCapacity, record.AniLength);
    FirstIds->setText(Text(MessageId::SeriesFirstIds, {pttId, ani}));
    FirstIds->setAccessibleName(FirstIds->text());
    FirstIds->setEnabled(IncreaseIds->isChecked());
}

void SeriesWriteDialog::SetVerifyAfterWrite(bool verify) { VerifyAfterWrite_->setChecked(verify); }

bool SeriesWriteDialog::VerifyAfterWrite() const { return VerifyAfterWrite_->isChecked(); }

TransferTrace SeriesWriteDialog::Trace() const { return series_ ? series_->Trace() : TransferTrace{}; }

std::optional<uint64_t> SeriesWriteDialog::RadiosAsked() const
{
    if (UntilStopped->isChecked())
        return std::nullopt;
    return uint64_t(RadioCount->value());
}

void SeriesWriteDialog::BrowseClick()
{
    if (const QString path = chooseLog_(this, LabelAsTitle(Text(MessageId::SeriesLogFile))); !path.isEmpty())
        LogFile->setText(path);
}

SeriesPlan SeriesWriteDialog::Plan() const
{
    SeriesPlan plan;
    plan.Record = source_.Record;
    plan.Band = source_.Band;
    plan.Link = source_.Link;
    plan.Radios = RadiosAsked();
    plan.Verify = VerifyAfterWrite();
    plan.IncreaseIds = IncreaseIds->isChecked();
    plan.LogPath = QFile::encodeName(LogFile->text().trimmed()).toStdString();
    plan.FileName = source_.FileName;
    plan.Backups = source_.Backups;
    return plan;
}

// Codes that cannot be counted up for the whole series are refused before any radio is touched.
void SeriesWriteDialog::StartClick()
{
    if (IncreaseIds->isChecked()) {
        const std::optional<uint64_t> radios = RadiosAsked();
        if (const IdSeriesCheck check = CheckIdSeries(source_.Record, radios); !check.Ok()) {
            ShowNotice(this, DisplayMessage(IdSeriesMessage(check, radios)));
            return;
        }
    }
    // Nothing is written to a radio that the log could not record.
    const SeriesPlan plan = Plan();
    if (!plan.LogPath.empty()) {
        if (const FileResult log = CheckProgrammingLogTarget(plan.LogPath); !log.ok) {
            ShowNotice(this, Text(MessageId::SeriesLogNotWritten, {Arg(DisplayMessage(FileMessage(log)))}));
            return;
        }
    }
    SeriesOutcomes->clear();
    SeriesStatus->clear();
    series_ = std::make_unique<RadioSeries>(plan);
    ConnectSeries(*series_);
    ShowRunning(true);
    series_->Start(PortChoiceFor(source_.Link));
}

void SeriesWriteDialog::ConnectSeries(RadioSeries& series)
{
    series.SetBandQuestion([this](const RadioInfo&, const BandLimits&) {
        return Confirm(this, DialogText(BandDifferenceQuestion), DialogText(ContinueCaption),
                       DialogText(CancelCaption));
    });
    connect(&series, &RadioSeries::radioStarting, this, &SeriesWriteDialog::RadioStarting);
    connect(&series, &RadioSeries::progressChanged, SeriesProgress, &QProgressBar::setValue);
    connect(&series, &RadioSeries::linkStepChanged, this, &SeriesWriteDialog::StepChanged);
    connect(&series, &RadioSeries::verifying, this, [this] {
        SeriesProgress->setValue(0);
        SeriesStatus->setText(Text(MessageId::Verifying));
    });
    connect(&series, &RadioSeries::portProblem, this, [this](const QString& why) { portProblem_ = why; });
    connect(&series, &RadioSeries::sameRadioAnswered, this, &SeriesWriteDialog::SameRadioAnswered);
    connect(&series, &RadioSeries::radioFinished, this, &SeriesWriteDialog::RadioFinished);
    connect(&series, &RadioSeries::radioFinished, this, &SeriesWriteDialog::radioFinished);
    connect(&series, &RadioSeries::finished, this, &SeriesWriteDialog::SeriesFinished);
}

// While the series waits, the line above keeps saying which radio is done; the bar says that
// the next one is awaited.
void SeriesWriteDialog::RadioStarting(uint64_t number, bool waiting)
{
    radioOnLine_ = number;
    waitingForRadio_ = waiting;
    portProblem_.clear();
    SameRadioAgain->setEnabled(false);
    SeriesProgress->setValue(0);
    if (waiting)
        SeriesProgress->setFormat(Text(MessageId::SeriesWaiting));
    else
        SeriesStatus->setText(Text(MessageId::SeriesWriting, {Arg(number)}));
}

// Blocks going out mean the awaited radio is on the line and being written.
void SeriesWriteDialog::StepChanged(int step)
{
    if (!waitingForRadio_ || step != BlockStep)
        return;
    waitingForRadio_ = false;
    SameRadioAgain->setEnabled(false);
    SeriesProgress->setFormat(ProgressInPercent);
    SeriesStatus->setText(Text(MessageId::SeriesWriting, {Arg(radioOnLine_)}));
}

void SeriesWriteDialog::SameRadioAnswered(const QString& serial)
{
    SeriesStatus->setText(Text(MessageId::SeriesSameRadio, {Arg(serial)}));
    SameRadioAgain->setEnabled(true);
}

void SeriesWriteDialog::SameRadioAgainClick()
{
    SameRadioAgain->setEnabled(false);
    series_->AcceptSameRadio();
}

void SeriesWriteDialog::RadioFinished(const RadioAttempt& attempt)
{
    lastAttempt_ = attempt;
    SeriesOutcomes->addItem(OutcomeLine(attempt, portProblem_));
    SeriesOutcomes->scrollToBottom();
    if (attempt.Succeeded())
        SeriesStatus->setText(Text(MessageId::SeriesRadioDone, {Arg(attempt.Number), Arg(SerialOf(attempt))}));
}

// A failed radio ends the series with the notice a single write would have shown; the other
// endings are summed up in the status line.
void SeriesWriteDialog::SeriesFinished(SeriesEnd end)
{
    ShowRunning(false);
    waitingForRadio_ = false;
    SeriesProgress->setFormat(ProgressInPercent);
    const MessageArg written = Arg(series_->Written());
    switch (end) {
    case SeriesEnd::AllWritten:
        SeriesStatus->setText(Text(MessageId::SeriesAllWritten, {written}));
        break;
    // The dialog sets no wait limit, so a wait that ran out can only have been ended by the user.
    case SeriesEnd::WaitRanOut:
    case SeriesEnd::Stopped:
        SeriesStatus->setText(Text(MessageId::SeriesStopped, {written}));
        break;
    case SeriesEnd::IdsRanOut:
        SeriesStatus->setText(Text(MessageId::SeriesIdsRanOut, {written}));
        break;
    case SeriesEnd::RadioFailed: {
        SeriesStatus->setText(OutcomeLine(lastAttempt_, portProblem_));
        if (const QStringList lines = FailureLines(lastAttempt_, portProblem_); !lines.isEmpty())
            ShowNotice(this, lines.join('\n'));
        break;
    }
    case SeriesEnd::LogFailed: {
        const QString why = DisplayMessage(FileMessage(lastAttempt_.Logged));
        const QString text = Text(MessageId::SeriesLogNotWritten, {Arg(why)});
        SeriesStatus->setText(text);
        ShowNotice(this, text);
        break;
    }
    }
}

bool SeriesWriteDialog::SeriesRunning() const { return series_ && series_->Running(); }

void SeriesWriteDialog::ShowRunning(bool running)
{
    for (QWidget* setting : std::initializer_list<QWidget*>{UntilStopped, VerifyAfterWrite_, IncreaseIds, LogFile,
                                                            BrowseLog, SeriesStart, SeriesClose})
        setting->setEnabled(!running);
    RadioCount->setEnabled(!running && !UntilStopped->isChecked());
    SeriesStop->setEnabled(running);
    SameRadioAgain->setEnabled(false);
}

// A series runs to one of its endings; Stop is the way to end it early, between radios.
void SeriesWriteDialog::reject()
{
    if (!SeriesRunning())
        QDialog::reject();
}

void SeriesWriteDialog::closeEvent(QCloseEvent* event)
{
    if (SeriesRunning())
        event->ignore();
    else
        QDialog::closeEvent(event);
}
