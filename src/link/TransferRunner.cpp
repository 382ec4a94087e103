#include "link/TransferRunner.h"

#include <algorithm>

#include <QTimer>

#include "lang/Utf8Text.h"
#include "link/PortOpening.h"
#include "link/engine/PasswordFrame.h"
#include "ports/SerialPortInfo.h"

namespace {

// A stop "at once" still goes through Timer_TimeOut, so it ends the same way as a silent radio.
constexpr int TimeOutTriggerMs = 1;

// The link's schedule is in whole seconds (hellos, settle, time-out); a coarse timer may fire 5%
// early or late, which the radio's own timing does not forgive.
QTimer* NewTimer(const char* objectName, QObject* owner)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(objectName);
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

const char* OutcomeWords(LinkOutcome outcome)
{
    switch (outcome) {
    case LinkOutcome::Success:
        return "outcome: success";
    case LinkOutcome::PasswordError:
        return "outcome: password error";
    case LinkOutcome::Closed:
        return "outcome: stopped at the band question";
    case LinkOutcome::Stopped:
        return "outcome: stopped";
    default:
        return "outcome: communication failure";
    }
}

void Apply(const TimerCommand& command, QTimer* timer)
{
    switch (command.action) {
    case TimerCommand::Keep:
        break;
    case TimerCommand::Start:
        timer->start(command.intervalMs);
        break;
    case TimerCommand::Stop:
        timer->stop();
        break;
    }
}

}

TransferRunner::TransferRunner(const TransferContext& context, QObject* parent)
    : QObject(parent),
      Timer_Tx(NewTimer("Timer_Tx", this)),
      Timer_TimeOut(NewTimer("Timer_TimeOut", this)),
      context_(context),
      engine_(context),
      ports_(context.Link.Ports),
      settle_(NewTimer("settle", this)),
      answerPoll_(NewTimer("answerPoll", this))
{
    Timer_TimeOut->setInterval(TimeOutMs);
    settle_->setSingleShot(true);
    connect(Timer_Tx, &QTimer::timeout, this, &TransferRunner::Timer_TxTimer);
    connect(Timer_TimeOut, &QTimer::timeout, this, &TransferRunner::Timer_TimeOutTimer);
    connect(settle_, &QTimer::timeout, this, &TransferRunner::StartProtocol);
    connect(answerPoll_, &QTimer::timeout, this, &TransferRunner::PollAnswer);
    // The port is already closed when this comes; the outcome waits for the event loop so that
    // the notice is not shown from inside the port's own signal.
    link_.SetOnLost([this] {
        Note("port lost");
        QMetaObject::invokeMethod(this, [this] { Finish(LinkOutcome::CommunicationFailure); }, Qt::QueuedConnection);
    });
}

void TransferRunner::Start(const PortChoice& choice)
{
    clock_.start();
    trace_.Clear();
    autoSearch_ = choice.AutoSearch;
    requestedPort_ = choice.PortName;
    candidates_ = choice.Candidates;
    const bool opened = autoSearch_ ? OpenFirstCandidate() : OpenNamedPort(choice.PortName);
    if (opened) {
        settle_->start(engine_.Timing().settleMs);
        return;
    }
    // No protocol runs on a port that did not open: nothing is sent. Without the search the
    // failure comes after the usual time-out, as it would for a silent radio.
    if (autoSearch_ || endAtOnce_)
        Timer_TimeOutTrigger();
    else
        Timer_TimeOut->start(TimeOutMs);
}

bool TransferRunner::OpenNamedPort(const std::string& portName)
{
    const PortOpenResult result = ComInit(link_, portName, ports_);
    PortOpened(portName, result.ok);
    if (!result.ok) {
        portProblem_ = MessageUtf8(result.problem, AppLang().LangType());
        emit portProblem(QString::fromStdString(portProblem_));
    }
    return result.ok;
}

void TransferRunner::PortOpened(const std::string& portName, bool opened)
{
    Note((opened ? "port opened: " : "port did not open: ") + portName);
    if (opened)
        portInUse_ = portName;
}

bool TransferRunner::OpenFirstCandidate()
{
    candidates_.PortIndex = 0;
    const bool opened = ComInit_AutoSeach(link_, candidates_, ports_);
    if (opened)
        PortOpened(ComPortName(candidates_.Numbers[candidates_.PortIndex]), true);
    return opened;
}

bool TransferRunner::OpenNextCandidate()
{
    ++candidates_.PortIndex;
    if (candidates_.Exhausted()) {
        link_.Close();
        Note("no further port to search");
        return false;
    }
    const bool opened = ComInit_AutoSeach(link_, candidates_, ports_);
    if (opened)
        PortOpened(ComPortName(candidates_.Numbers[candidates_.PortIndex]), true);
    return opened;
}

void TransferRunner::Timer_TxTimer()
{
    const std::vector<uint8_t> received = link_.ReadAll();
    const ByteRange password = engine_.PasswordBytesAmong(received.size());
    trace_.Received(clock_.elapsed(), received.data(), received.size(), password);
    Execute(engine_.Tick(received.data(), received.size()));
}

void TransferRunner::PollAnswer()
{
    if (engine_.AnswerComplete(link_.BytesWaiting()))
        Timer_TxTimer();
}

void TransferRunner::Timer_TimeOutTimer()
{
    // Before the protocol runs, only a port that would not open can have armed the time-out.
    if (!protocolStarted_) {
        Finish(LinkOutcome::CommunicationFailure);
        return;
    }
    Note("time-out");
    Execute(engine_.TimeOut());
}

void TransferRunner::StartProtocol()
{
    protocolStarted_ = true;
    if (engine_.Timing().Fast())
        answerPoll_->start(engine_.Timing().answerPollMs);
    Execute(engine_.Start(autoSearch_));
}

void TransferRunner::Timer_TimeOutTrigger() { Timer_TimeOut->start(TimeOutTriggerMs); }

void TransferRunner::Execute(const LinkActions& actions)
{
    if (outcome_ != LinkOutcome::Running)
        return;
    if (actions.purgeBothQueues)
        link_.Purge();
    if (actions.purgeReceiveQueue)
        link_.PurgeReceive();
    // The radio has answered and the first block is about to go out.
    if (engine_.LinkStep() == BlockStep && linkStep_ != BlockStep)
        BackUpWrite();
    const bool switched = actions.nextPortRequested;
    const bool opened = switched && OpenNextCandidate();
    for (const Frame& frame : actions.send) {
        trace_.Sent(clock_.elapsed(), frame.data(), frame.size(), PasswordBytesOf(frame));
        link_.Write(frame);
    }
    if (engine_.LinkStep() != linkStep_) {
        emit linkStepChanged(linkStep_ = engine_.LinkStep());
        // Whoever heard it may have ended the transfer already.
        if (outcome_ != LinkOutcome::Running)
            return;
    }
    Apply(actions.txTimer, Timer_Tx);
    Apply(actions.timeOutTimer, Timer_TimeOut);
    if (actions.HasProgress())
        emit progressChanged(actions.progress);
    if (actions.radioPassedOver) {
        Note("the radio just written answered again: let go, waiting for the next");
        emit sameRadioAnswered();
    }
    if (actions.askBandQuestion) {
        const bool goOn = askBand_ && askBand_();
        Execute(engine_.BandQuestionAnswered(goOn));
        return;
    }
    if (actions.outcome != LinkOutcome::Running) {
        Finish(actions.outcome);
        return;
    }
    if (switched)
        Execute(engine_.PortSwitched(opened));
}

// Only a normal write sends a record; the other transfers are kept, if at all, by their openers.
void TransferRunner::BackUpWrite()
{
    if (backUpWrite_ && context_.Kind == TransferKind::Normal && !context_.IsRead)
        writeBackup_ = BackUpTransfer(context_.Settings, context_.Image, BackupDirection::Write);
}

bool TransferRunner::StopBeforeRadio()
{
    if (outcome_ != LinkOutcome::Running)
        return false;
    if (!protocolStarted_) {
        Finish(LinkOutcome::Stopped);
        return true;
    }
    const LinkActions actions = engine_.StopBeforeRadio();
    Execute(actions);
    return actions.outcome == LinkOutcome::Stopped;
}

// The ports as the user knows them: the COM name with the device it stands for.
TransferEnding TransferRunner::Ending() const
{
    TransferEnding ending{outcome_, partlyWritten_, false, portProblem_, {}, false};
    std::vector<std::string> names;
    if (!autoSearch_) {
        names.push_back(requestedPort_);
    } else {
        ending.noPortFound = candidates_.Numbers.empty();
        const size_t tried = std::min(candidates_.PortIndex + 1, candidates_.Numbers.size());
        for (size_t i = 0; i < tried; ++i)
            names.push_back(ComPortName(candidates_.Numbers[i]));
    }
    const std::vector<std::string> paths = TeskComm32::DevicePathsOf(names, ports_);
    for (size_t i = 0; i < names.size(); ++i) {
        const bool pathSaysMore = !paths[i].empty() && paths[i] != names[i];
        ending.portsTried.push_back(pathSaysMore ? names[i] + " (" + paths[i] + ")" : names[i]);
    }
    return ending;
}

bool TransferRunner::Cancel()
{
    if (!CanCancel())
        return false;
    Note("stopped by the user");
    if (protocolStarted_)
        Execute(engine_.Cancel());
    else
        Finish(LinkOutcome::Stopped);
    return true;
}

bool TransferRunner::CanCancel() const
{
    return outcome_ == LinkOutcome::Running && (!protocolStarted_ || engine_.CanCancel());
}

void TransferRunner::Finish(LinkOutcome outcome)
{
    if (outcome_ != LinkOutcome::Running)
        return;
    outcome_ = outcome;
    partlyWritten_ = outcome != LinkOutcome::Success && engine_.WritingBlocks();
    Note(OutcomeWords(outcome));
    Timer_Tx->stop();
    Timer_TimeOut->stop();
    settle_->stop();
    answerPoll_->stop();
    link_.Close();
    emit finished(outcome);
}
