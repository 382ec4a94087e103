#include "ui/SeriesWriteDialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
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

#include "files/IdentityTable.h"
#include "files/ProgrammingLog.h"
#include "files/TextFile.h"
#include "lang/AppLang.h"
#include "lang/DisplayMessage.h"
#include "lang/FileMessage.h"
#include "lang/IdSeriesMessage.h"
#include "lang/IdentityTableMessage.h"
#include "lang/TextTable.h"
#include "link/ProgramDialogEntry.h"
#include "link/RadioSeriesGroup.h"
#include "link/SeriesAttemptLine.h"
#include "link/TransferNotice.h"
#include "model/DtmfDigits.h"
#include "model/IdSeries.h"
#include "notices/AccessibleNames.h"
#include "notices/Notices.h"
#include "ui/SeriesPortList.h"

namespace {

constexpr int ProgressMaximum = 100;
const QString ProgressInPercent = QStringLiteral("%p%");
// What the list shows for a radio that failed before it told its serial number.
const QString UnknownSerial = QStringLiteral("-");
// A port's own line when several run: its name, what it does, its bar and its "Same radio again".
enum PortLineColumn { NameColumn, StateColumn, ProgressColumn, SameRadioColumn };

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
    const QStringList lines = attempt.Succeeded() ? QStringList() : FailureLines(attempt, portProblem);
    return DisplayMessage(SeriesAttemptLine(attempt, lines.isEmpty() ? std::string() : lines.first().toStdString()));
}

QString LogFailureText(const FileResult& log)
{
    return Text(MessageId::SeriesLogNotWritten, {Arg(DisplayMessage(FileMessage(log)))});
}

// What a port's own line says once its cable has ended.
QString PortEndText(const RadioAttempt& last, const QString& portProblem, SeriesEnd end)
{
    switch (end) {
    case SeriesEnd::AllWritten:
    case SeriesEnd::IdsRanOut:
        return Text(MessageId::SeriesPortDone);
    case SeriesEnd::Stopped:
    case SeriesEnd::WaitRanOut:
        return Text(MessageId::SeriesPortStopped);
    case SeriesEnd::RadioFailed:
        return OutcomeLine(last, portProblem);
    case SeriesEnd::LogFailed:
        return LogFailureText(last.Logged);
    }
    return {};
}

QPushButton* NewButton(const QString& objectName, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
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

SeriesWriteDialog::SeriesWriteDialog(SeriesSource source, ChooseFile chooseFile, QWidget* owner)
    : QDialog(owner),
      source_(std::move(source)),
      chooseFile_(std::move(chooseFile)),
      RadioCount(new QSpinBox(this)),
      UntilStopped(NewCheckBox("UntilStopped", Text(MessageId::SeriesUntilStopped), this)),
      CheckOnly(NewCheckBox("SeriesCheckOnly", Text(MessageId::SeriesCheckOnly), this)),
      VerifyAfterWrite_(NewCheckBox("VerifyAfterWrite", Text(MessageId::VerifyAfterWriting), this)),
      IncreaseIds(NewCheckBox("IncreaseIds", Text(MessageId::SeriesIncreaseIds), this)),
      FirstIds(new QLabel(this)),
      LogFile(new QLineEdit(QFile::decodeName(DefaultProgrammingLogPath().c_str()), this)),
      BrowseLog(NewButton("BrowseLog", Text(MessageId::SeriesBrowse), this)),
      IdsFile(new QLineEdit(this)),
      BrowseIds(NewButton("BrowseIds", Text(MessageId::SeriesBrowse), this)),
      IdsRequired(NewCheckBox("SeriesIdsRequired", Text(MessageId::SeriesIdsRequired), this)),
      Ports(new SeriesPortList(source_.Link, this)),
      SeriesProgress(new QProgressBar(this)),
      SeriesStatus(new QLabel(this)),
      PortLines(new QWidget(this)),
      PortLinesGrid(new QGridLayout(PortLines)),
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
    IdsFile->setObjectName("SeriesIdsFile");
    IdsFile->setAccessibleName(Text(MessageId::SeriesIdsFile));
    Ports->List()->setAccessibleName(Text(MessageId::SeriesPorts));
    SeriesProgress->setObjectName("SeriesProgress");
    SeriesProgress->setRange(0, ProgressMaximum);
    SeriesProgress->setValue(0);
    SeriesProgress->setAccessibleName(TitleText());
    SeriesStatus->setObjectName("SeriesStatus");
    SeriesStatus->setAccessibleName(Text(MessageId::TransferStatusName));
    SeriesStatus->setWordWrap(true);
    PortLines->setObjectName("SeriesPortLines");
    PortLinesGrid->setContentsMargins(0, 0, 0, 0);
    PortLinesGrid->setColumnStretch(StateColumn, 1);
    PortLines->hide();
    SeriesOutcomes->setObjectName("SeriesOutcomes");
    SeriesOutcomes->setAccessibleName(Text(MessageId::SeriesOutcomeListName));
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
    settings->addWidget(CheckOnly, 1, 0, 1, 3);
    settings->addWidget(VerifyAfterWrite_, 2, 0, 1, 3);
    settings->addWidget(IncreaseIds, 3, 0, 1, 3);
    settings->addWidget(FirstIds, 4, 0, 1, 3);
    auto* logLabel = new QLabel(Text(MessageId::SeriesLogFile), this);
    logLabel->setBuddy(LogFile);
    auto* logLine = new QHBoxLayout;
    logLine->addWidget(LogFile, 1);
    logLine->addWidget(BrowseLog);
    settings->addWidget(logLabel, 5, 0);
    settings->addLayout(logLine, 5, 1, 1, 2);
    auto* portsLabel = new QLabel(Text(MessageId::SeriesPorts), this);
    portsLabel->setBuddy(Ports->List());
    settings->addWidget(portsLabel, 6, 0, Qt::AlignTop);
    settings->addWidget(Ports, 6, 1, 1, 2);
    auto* idsLabel = new QLabel(Text(MessageId::SeriesIdsFile), this);
    idsLabel->setBuddy(IdsFile);
    auto* idsLine = new QHBoxLayout;
    idsLine->addWidget(IdsFile, 1);
    idsLine->addWidget(BrowseIds);
    settings->addWidget(idsLabel, 7, 0);
    settings->addLayout(idsLine, 7, 1, 1, 2);
    settings->addWidget(IdsRequired, 8, 1, 1, 2);

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
    layout->addWidget(PortLines);
    layout->addWidget(SeriesOutcomes, 1);
    layout->addWidget(buttons);
    NameControlsWhenShown(this);
}

void SeriesWriteDialog::ConnectControls()
{
    connect(UntilStopped, &QCheckBox::toggled, RadioCount, [this](bool until) { RadioCount->setEnabled(!until); });
    connect(IncreaseIds, &QCheckBox::toggled, FirstIds, &QLabel::setEnabled);
    connect(CheckOnly, &QCheckBox::toggled, this, [this] { ShowRunning(false); });
    connect(BrowseLog, &QPushButton::clicked, this, &SeriesWriteDialog::BrowseClick);
    connect(BrowseIds, &QPushButton::clicked, this, &SeriesWriteDialog::BrowseIdsClick);
    connect(SeriesStart, &QPushButton::clicked, this, &SeriesWriteDialog::StartClick);
    connect(SeriesStop, &QPushButton::clicked, this, [this] {
        SeriesStop->setEnabled(false);
        if (group_)
            group_->Stop();
        else
            series_->Stop();
    });
    connect(SameRadioAgain, &QPushButton::clicked, this, [this] { SameRadioAgainClick(0); });
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

TransferTrace SeriesWriteDialog::Trace() const
{
    if (group_)
        return group_->Trace();
    return series_ ? series_->Trace() : TransferTrace{};
}

std::optional<uint64_t> SeriesWriteDialog::RadiosAsked() const
{
    if (UntilStopped->isChecked())
        return std::nullopt;
    return uint64_t(RadioCount->value());
}

bool SeriesWriteDialog::Checking() const { return CheckOnly->isChecked(); }

void SeriesWriteDialog::BrowseClick()
{
    const QString title = LabelAsTitle(Text(MessageId::SeriesLogFile));
    if (const QString path = chooseFile_(this, title, ExchangeFile::ProgrammingLog); !path.isEmpty())
        LogFile->setText(path);
}

void SeriesWriteDialog::BrowseIdsClick()
{
    const QString title = LabelAsTitle(Text(MessageId::SeriesIdsFile));
    if (const QString path = chooseFile_(this, title, ExchangeFile::CsvToImport); !path.isEmpty())
        IdsFile->setText(path);
}

// The table is read and checked whole before any radio; every problem is listed with its line.
bool SeriesWriteDialog::ReadIdentities(SeriesPlan& plan)
{
    const QString path = IdsFile->text().trimmed();
    if (path.isEmpty() || plan.CheckOnly)
        return true;
    const std::string file = QFile::encodeName(path).toStdString();
    std::string text;
    if (const FileResult read = ReadTextFile(file, text, IdentityTableFileLimit); !read.ok) {
        ShowNotice(this, DisplayMessage(FileMessage(read)));
        return false;
    }
    plan.Identities = ReadIdentityTable(text);
    plan.IdentitiesRequired = IdsRequired->isChecked();
    QStringList problems;
    for (const Message& problem : IdentityTableMessages(plan.Identities, QFileInfo(path).fileName().toStdString()))
        problems << DisplayMessage(problem);
    if (problems.isEmpty())
        return true;
    ShowNotice(this, problems.join('\n'));
    return false;
}

// A check writes nothing, so the boxes about writing, greyed then, count for nothing.
SeriesPlan SeriesWriteDialog::Plan() const
{
    SeriesPlan plan;
    plan.Record = source_.Record;
    plan.Band = source_.Band;
    plan.Link = source_.Link;
    plan.Radios = RadiosAsked();
    plan.CheckOnly = Checking();
    plan.Verify = VerifyAfterWrite() && !plan.CheckOnly;
    plan.IncreaseIds = IncreaseIds->isChecked() && !plan.CheckOnly;
    plan.LogPath = QFile::encodeName(LogFile->text().trimmed()).toStdString();
    plan.FileName = source_.FileName;
    plan.Backups = source_.Backups;
    return plan;
}

// Codes that cannot be counted up for the whole series are refused before any radio is touched.
void SeriesWriteDialog::StartClick()
{
    SeriesPlan plan = Plan();
    if (!ReadIdentities(plan))
        return;
    if (plan.IncreaseIds) {
        if (const IdSeriesCheck check = CheckIdSeries(source_.Record, plan.Radios); !check.Ok()) {
            ShowNotice(this, DisplayMessage(IdSeriesMessage(check, plan.Radios)));
            return;
        }
    }
    // Nothing is written to a radio that the log could not record.
    if (!plan.LogPath.empty()) {
        if (const FileResult log = CheckProgrammingLogTarget(plan.LogPath); !log.ok) {
            ShowNotice(this, LogFailureText(log));
            return;
        }
    }
    SeriesOutcomes->clear();
    SeriesStatus->clear();
    const std::vector<std::string> ports = Ports->Ports();
    ShowPortLines(ports);
    if (ports.size() == 1)
        StartOnePort(plan, ports.front());
    else
        StartPorts(plan, ports);
}

// The port settings' own choice, their search included, unless the user named another port.
void SeriesWriteDialog::StartOnePort(const SeriesPlan& plan, const std::string& port)
{
    group_.reset();
    series_ = std::make_unique<RadioSeries>(plan);
    ConnectSeries(*series_);
    ShowRunning(true);
    series_->Start(port.empty() ? PortChoiceFor(source_.Link) : PortChoice::Named(port));
}

void SeriesWriteDialog::StartPorts(const SeriesPlan& plan, const std::vector<std::string>& ports)
{
    series_.reset();
    group_ = std::make_unique<RadioSeriesGroup>(plan, ports);
    ConnectGroup(*group_);
    ShowRunning(true);
    // Each COM name is looked up as its port opens, as a single transfer's is.
    group_->Start(ports);
}

// One port is followed in the dialog's own status line and bar; several each get a line.
void SeriesWriteDialog::ShowPortLines(const std::vector<std::string>& ports)
{
    lines_.clear();
    qDeleteAll(PortLines->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
    const bool several = ports.size() > 1;
    if (several) {
        for (const std::string& port : ports)
            AddPortLine(port);
    } else {
        lines_.emplace_back(QString::fromStdString(ports.front()), SeriesStatus, SeriesProgress, SameRadioAgain);
    }
    PortLines->setVisible(several);
    SeriesProgress->setVisible(!several);
    SameRadioAgain->setVisible(!several);
}

void SeriesWriteDialog::AddPortLine(const std::string& port)
{
    const size_t index = lines_.size();
    const int row = int(index);
    const QString name = QString::fromStdString(port);
    const QString number = QString::number(index + 1);
    auto* label = new QLabel(name, PortLines);
    label->setObjectName("SeriesPortName" + number);
    auto* state = new QLabel(PortLines);
    state->setObjectName("SeriesPortState" + number);
    state->setAccessibleName(Text(MessageId::SeriesPortStatusName, {Arg(name)}));
    state->setWordWrap(true);
    auto* progress = new QProgressBar(PortLines);
    progress->setObjectName("SeriesPortProgress" + number);
    progress->setRange(0, ProgressMaximum);
    progress->setValue(0);
    progress->setAccessibleName(Text(MessageId::SeriesPortProgressName, {Arg(name)}));
    auto* again = NewButton("SeriesPortSameRadio" + number, Text(MessageId::SeriesSameRadioAgain), PortLines);
    again->setAccessibleName(Text(MessageId::SeriesSameRadioOnPort, {Arg(name)}));
    again->setEnabled(false);
    connect(again, &QPushButton::clicked, this, [this, index] { SameRadioAgainClick(index); });
    PortLinesGrid->addWidget(label, row, NameColumn);
    PortLinesGrid->addWidget(state, row, StateColumn);
    PortLinesGrid->addWidget(progress, row, ProgressColumn);
    PortLinesGrid->addWidget(again, row, SameRadioColumn);
    lines_.emplace_back(name, state, progress, again);
}

RadioSeries::BandQuestion SeriesWriteDialog::BandQuestion()
{
    return [this](const RadioInfo&, const BandLimits&) {
        return Confirm(this, DialogText(BandDifferenceQuestion), DialogText(ContinueCaption),
                       DialogText(CancelCaption));
    };
}

void SeriesWriteDialog::ConnectSeries(RadioSeries& series)
{
    constexpr size_t port = 0;
    series.SetBandQuestion(BandQuestion());
    connect(&series, &RadioSeries::radioStarting, this,
            [this](uint64_t number, bool waiting) { RadioStarting(port, number, waiting); });
    connect(&series, &RadioSeries::radioTaken, this, [this](uint64_t number) { RadioTaken(port, number); });
    connect(&series, &RadioSeries::progressChanged, SeriesProgress, &QProgressBar::setValue);
    connect(&series, &RadioSeries::verifying, this, [this] { Verifying(port); });
    connect(&series, &RadioSeries::portProblem, this, [this](const QString& why) { lines_[port].Problem = why; });
    connect(&series, &RadioSeries::sameRadioAnswered, this,
            [this](const QString& serial) { SameRadioAnswered(port, serial); });
    connect(&series, &RadioSeries::radioFinished, this,
            [this](const RadioAttempt& attempt) { RadioFinished(port, attempt); });
    connect(&series, &RadioSeries::finished, this, &SeriesWriteDialog::SeriesFinished);
}

void SeriesWriteDialog::ConnectGroup(RadioSeriesGroup& group)
{
    group.SetBandQuestion(BandQuestion());
    connect(&group, &RadioSeriesGroup::radioStarting, this, &SeriesWriteDialog::RadioStarting);
    connect(&group, &RadioSeriesGroup::radioTaken, this, &SeriesWriteDialog::RadioTaken);
    connect(&group, &RadioSeriesGroup::progressChanged, this,
            [this](size_t port, int value) { lines_[port].Progress->setValue(value); });
    connect(&group, &RadioSeriesGroup::verifying, this, &SeriesWriteDialog::Verifying);
    connect(&group, &RadioSeriesGroup::portProblem, this,
            [this](size_t port, const QString& why) { lines_[port].Problem = why; });
    connect(&group, &RadioSeriesGroup::sameRadioAnswered, this, &SeriesWriteDialog::SameRadioAnswered);
    connect(&group, &RadioSeriesGroup::radioFinished, this, &SeriesWriteDialog::RadioFinished);
    connect(&group, &RadioSeriesGroup::portFinished, this, &SeriesWriteDialog::PortFinished);
    connect(&group, &RadioSeriesGroup::finished, this, &SeriesWriteDialog::SeriesFinished);
}

QString SeriesWriteDialog::OnLineText(uint64_t number) const
{
    return Text(Checking() ? MessageId::SeriesReading : MessageId::SeriesWriting, {Arg(number)});
}

// With several ports every line the dialog lists says which port it is about.
QString SeriesWriteDialog::OnPort(size_t port, const QString& text) const
{
    if (lines_.size() < 2)
        return text;
    return Text(MessageId::SeriesOnPort, {Arg(lines_[port].Port), Arg(text)});
}

// While a port waits, its line keeps saying which radio is done; its bar says that the next one
// is awaited.
void SeriesWriteDialog::RadioStarting(size_t port, uint64_t number, bool waiting)
{
    PortLine& line = lines_[port];
    line.Problem.clear();
    line.SameRadio->setEnabled(false);
    line.Progress->setValue(0);
    if (waiting)
        line.Progress->setFormat(Text(MessageId::SeriesWaiting));
    else
        line.State->setText(OnLineText(number));
}

// The radio on the line has its number in the job, which another cable may have changed.
void SeriesWriteDialog::RadioTaken(size_t port, uint64_t number)
{
    PortLine& line = lines_[port];
    line.SameRadio->setEnabled(false);
    line.Progress->setFormat(ProgressInPercent);
    line.State->setText(OnLineText(number));
}

void SeriesWriteDialog::Verifying(size_t port)
{
    lines_[port].Progress->setValue(0);
    lines_[port].State->setText(Text(MessageId::Verifying));
}

void SeriesWriteDialog::SameRadioAnswered(size_t port, const QString& serial)
{
    lines_[port].State->setText(Text(MessageId::SeriesSameRadio, {Arg(serial)}));
    lines_[port].SameRadio->setEnabled(true);
}

void SeriesWriteDialog::SameRadioAgainClick(size_t port)
{
    lines_[port].SameRadio->setEnabled(false);
    if (group_)
        group_->AcceptSameRadio(port);
    else
        series_->AcceptSameRadio();
}

void SeriesWriteDialog::RadioFinished(size_t port, const RadioAttempt& attempt)
{
    PortLine& line = lines_[port];
    line.Last = attempt;
    SeriesOutcomes->addItem(OnPort(port, OutcomeLine(attempt, line.Problem)));
    SeriesOutcomes->scrollToBottom();
    if (attempt.Succeeded())
        line.State->setText(Text(MessageId::SeriesRadioDone, {Arg(attempt.Number), Arg(SerialOf(attempt))}));
    emit radioFinished(attempt);
}

void SeriesWriteDialog::PortFinished(size_t port, SeriesEnd end)
{
    PortLine& line = lines_[port];
    line.End = end;
    line.SameRadio->setEnabled(false);
    line.Progress->setFormat(ProgressInPercent);
    line.State->setText(PortEndText(line.Last, line.Problem, end));
}

uint64_t SeriesWriteDialog::Done() const
{
    if (group_)
        return group_->Written();
    return series_ ? series_->Written() : 0;
}

// A failed radio ends its port's series with the notice a single write would have shown; the
// other endings are summed up in the status line.
void SeriesWriteDialog::SeriesFinished(SeriesEnd end)
{
    ShowRunning(false);
    for (PortLine& line : lines_)
        line.Progress->setFormat(ProgressInPercent);
    const MessageArg done = Arg(Done());
    switch (end) {
    case SeriesEnd::AllWritten:
        SeriesStatus->setText(Text(Checking() ? MessageId::SeriesAllChecked : MessageId::SeriesAllWritten, {done}));
        break;
    // The dialog sets no wait limit, so a wait that ran out can only have been ended by the user.
    case SeriesEnd::WaitRanOut:
    case SeriesEnd::Stopped:
        SeriesStatus->setText(Text(Checking() ? MessageId::SeriesCheckStopped : MessageId::SeriesStopped, {done}));
        break;
    case SeriesEnd::IdsRanOut:
        SeriesStatus->setText(Text(MessageId::SeriesIdsRanOut, {done}));
        break;
    case SeriesEnd::RadioFailed:
        RadiosFailed();
        break;
    case SeriesEnd::LogFailed:
        LogFailed();
        break;
    }
}

// With several ports the status line names the ports that had a failed radio, and one notice
// lists those radios.
void SeriesWriteDialog::RadiosFailed()
{
    if (lines_.size() == 1) {
        const PortLine& line = lines_.front();
        SeriesStatus->setText(OutcomeLine(line.Last, line.Problem));
        if (const QStringList lines = FailureLines(line.Last, line.Problem); !lines.isEmpty())
            ShowNotice(this, lines.join('\n'));
        return;
    }
    QStringList ports, failures;
    for (size_t port = 0; port < lines_.size(); ++port) {
        const PortLine& line = lines_[port];
        if (line.End != SeriesEnd::RadioFailed)
            continue;
        ports << line.Port;
        if (!FailureLines(line.Last, line.Problem).isEmpty())
            failures << OnPort(port, OutcomeLine(line.Last, line.Problem));
    }
    SeriesStatus->setText(Text(MessageId::SeriesPortsFailed, {Arg(Done()), Arg(ports.join(QStringLiteral(", ")))}));
    if (!failures.isEmpty())
        ShowNotice(this, failures.join('\n'));
}

void SeriesWriteDialog::LogFailed()
{
    const auto failed =
        std::find_if(lines_.begin(), lines_.end(), [](const PortLine& line) { return !line.Last.Logged.ok; });
    const QString text = LogFailureText((failed == lines_.end() ? lines_.front() : *failed).Last.Logged);
    SeriesStatus->setText(text);
    ShowNotice(this, text);
}

bool SeriesWriteDialog::SeriesRunning() const
{
    return (series_ && series_->Running()) || (group_ && group_->Running());
}

// What a check does not use is greyed while the check box is ticked.
void SeriesWriteDialog::ShowRunning(bool running)
{
    for (QWidget* setting : std::initializer_list<QWidget*>{UntilStopped, CheckOnly, LogFile, BrowseLog, Ports,
                                                            SeriesStart, SeriesClose})
        setting->setEnabled(!running);
    const bool writing = !Checking();
    for (QWidget* setting : std::initializer_list<QWidget*>{VerifyAfterWrite_, IncreaseIds, IdsFile, BrowseIds, IdsRequired})
        setting->setEnabled(!running && writing);
    FirstIds->setEnabled(IncreaseIds->isChecked() && writing);
    RadioCount->setEnabled(!running && !UntilStopped->isChecked());
    SeriesStop->setEnabled(running);
    SameRadioAgain->setEnabled(false);
    for (PortLine& line : lines_)
        line.SameRadio->setEnabled(false);
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
