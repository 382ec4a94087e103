#include "SimulatedDriver.h"

#include <cstring>

TransferFixture::TransferFixture() { settings.ResetToDefaults(); }

TransferContext TransferFixture::Context(TransferKind kind, bool isRead)
{
    TransferContext context{kind, isRead, settings, band, link, image, buffer};
    context.Clock = [] { return PackTime; };
    return context;
}

SimulatedDriver::SimulatedDriver(const TransferContext& context, std::vector<SimulatedRadio*> ports)
    : engine(context), ports_(std::move(ports))
{
}

LinkOutcome SimulatedDriver::Run(bool autoSearch, int limitMs)
{
    const int pollMs = engine.Timing().answerPollMs;
    answerPoll_ = {engine.Timing().Fast(), pollMs, pollMs};
    Carry(engine.Start(autoSearch));
    while (engine.Outcome() == LinkOutcome::Running && nowMs < limitMs) {
        if (!tx_.active && !timeOut_.active)
            break;
        Fire(Earliest());
    }
    return engine.Outcome();
}

// When timers are due together the silence wins (the radio had its full time), then the tick.
SimulatedDriver::Timer& SimulatedDriver::Earliest()
{
    Timer* first = nullptr;
    for (Timer* timer : {&timeOut_, &tx_, &answerPoll_})
        if (timer->active && (!first || timer->dueMs < first->dueMs))
            first = timer;
    return *first;
}

void SimulatedDriver::Fire(Timer& timer)
{
    nowMs = timer.dueMs;
    timer.dueMs += timer.intervalMs;
    if (&timer == &timeOut_) {
        Carry(engine.TimeOut());
        return;
    }
    if (&timer == &answerPoll_) {
        if (engine.AnswerComplete(waiting_.size()))
            Deliver();
        return;
    }
    if (SimulatedRadio* radio = CurrentRadio()) {
        const Bytes chatter = radio->Chatter();
        waiting_.insert(waiting_.end(), chatter.begin(), chatter.end());
    }
    Deliver();
}

void SimulatedDriver::Deliver()
{
    std::vector<uint8_t> bytes;
    while (!waiting_.empty() && bytes.size() < bytesPerTick) {
        bytes.push_back(waiting_.front());
        waiting_.pop_front();
    }
    Carry(engine.Tick(bytes.data(), bytes.size()));
}

void SimulatedDriver::Carry(const LinkActions& actions)
{
    if (actions.purgeBothQueues || actions.purgeReceiveQueue) {
        ++queuePurges;
        waiting_.clear();
    }
    if (actions.nextPortRequested) {
        ++portIndex;
        portSwitchTimes.push_back(nowMs);
        Carry(engine.PortSwitched(portIndex < ports_.size()));
        return;
    }
    for (const Frame& frame : actions.send)
        if (SimulatedRadio* radio = CurrentRadio()) {
            const Bytes answer = radio->Receive(frame);
            waiting_.insert(waiting_.end(), answer.begin(), answer.end());
        }
    Apply(actions.txTimer, tx_);
    Apply(actions.timeOutTimer, timeOut_);
    if (actions.timeOutTimer.action == TimerCommand::Start)
        lastTimeOutStartMs = nowMs;
    if (actions.HasProgress())
        progress.push_back(actions.progress);
    if (actions.askBandQuestion) {
        ++bandQuestions;
        Carry(engine.BandQuestionAnswered(continueAtBandQuestion));
        return;
    }
    if (actions.outcome != LinkOutcome::Running)
        endedAtMs = nowMs;
}

void SimulatedDriver::Apply(const TimerCommand& command, Timer& timer)
{
    if (command.action == TimerCommand::Stop)
        timer.active = false;
    if (command.action == TimerCommand::Start) {
        timer.active = true;
        timer.intervalMs = command.intervalMs;
        timer.dueMs = nowMs + command.intervalMs;
    }
}

SimulatedRadio* SimulatedDriver::CurrentRadio() const { return portIndex < ports_.size() ? ports_[portIndex] : nullptr; }

LinkActions Exchange(LinkEngine& engine, SimulatedRadio& radio, const LinkActions& sent)
{
    Bytes answers;
    for (const Frame& frame : sent.send) {
        const Bytes answer = radio.Receive(frame);
        answers.insert(answers.end(), answer.begin(), answer.end());
    }
    return engine.Tick(answers.data(), answers.size());
}

RadioSettings WithoutHandshakeFields(RadioSettings s)
{
    std::memset(s.DeviceSn, 0, sizeof s.DeviceSn);
    std::memset(&s.ReadRadioInfo, 0, sizeof s.ReadRadioInfo);
    std::memset(&s.WriteRadioInfo, 0, sizeof s.WriteRadioInfo);
    return s;
}

bool SameBytes(const RadioSettings& a, const RadioSettings& b) { return std::memcmp(&a, &b, sizeof a) == 0; }
