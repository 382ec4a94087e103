#include "link/engine/LinkEngine.h"

#include <algorithm>
#include <cstring>

#include "link/engine/BlockTransfer.h"
#include "link/engine/Frames.h"
#include "link/engine/PasswordFrame.h"
#include "model/ByteOrder.h"

namespace {

// With automatic search a silent port gets the first hello and this many more.
constexpr int HelloRepeatsPerPort = 2;

// The link step that waits for the info answer, and the one whose frame carries a new password.
constexpr int InfoStep = 1;
constexpr int PasswordStep = 2;
// Info answer: ACK, serial number, password.
constexpr size_t InfoSnOffset = 1;
constexpr size_t InfoPasswordOffset = InfoSnOffset + DeviceSnSize;
// Band answer: ACK, lower limit, upper limit (big-endian hertz).
constexpr size_t BandMinOffset = 1;
constexpr size_t BandMaxOffset = 5;

static_assert(InfoPasswordOffset + sizeof RadioInfo::ReportedPassword == InfoAnswerLength);
static_assert(BandMaxOffset + 4 <= BandAnswerLength);

LinkActions Sending(Frame frame)
{
    LinkActions actions;
    actions.send.push_back(std::move(frame));
    return actions;
}

}  // namespace

LinkEngine::LinkEngine(const TransferContext& context)
    : context_(context),
      timing_(LinkTiming::For(context.Link.FastLink)),
      infoTarget_(context.IsRead ? context.Settings.ReadRadioInfo : context.Settings.WriteRadioInfo)
{
}

LinkEngine::~LinkEngine() = default;

LinkActions LinkEngine::Start(bool autoSearch)
{
    if (started_ || outcome_ != LinkOutcome::Running)
        return {};
    started_ = true;
    settingsAtStart_ = context_.Settings;
    autoSearch_ = autoSearch;
    helloRetries_ = 0;
    linkStep_ = 0;
    rx_.Clear();
    LinkActions actions = Hello();
    actions.txTimer = TimerCommand::StartEvery(HandshakeTickMs);
    // With the search a hopeless transfer ends when the port list runs out; a waiting one runs
    // until its caller stops it.
    if (!autoSearch_ && !context_.Wait.Waiting)
        actions.timeOutTimer = TimerCommand::StartEvery(TimeOutMs);
    return actions;
}

LinkActions LinkEngine::Tick(const uint8_t* received, size_t count)
{
    if (!IsListening())
        return {};
    if (count > FloodLimit)
        return Flooded();
    rx_.Append(received, count);
    const bool handshake = linkStep_ < BlockStep;
    LinkActions actions = Answer();
    // A fast tick may come at any moment: the next silence is counted from the frame it sent.
    if (timing_.Fast() && handshake && !actions.send.empty() && actions.txTimer.action == TimerCommand::Keep)
        actions.txTimer = TimerCommand::StartEvery(HandshakeTickMs);
    return actions;
}

bool LinkEngine::AnswerComplete(size_t waiting) const
{
    return timing_.Fast() && IsListening() && waiting > 0 && rx_.RxCount() + waiting >= ExpectedAnswerLength();
}

ByteRange LinkEngine::PasswordBytesAmong(size_t count) const
{
    if (!IsListening() || linkStep_ != InfoStep)
        return {};
    const size_t gathered = rx_.RxCount();
    const size_t from = std::max(gathered, InfoPasswordOffset);
    const size_t end = std::min(gathered + count, InfoAnswerLength);
    return from < end ? ByteRange{from - gathered, end - from} : ByteRange{};
}

LinkActions LinkEngine::Answer()
{
    switch (linkStep_) {
    case 0:
        return OnIdentAnswer();
    case 1:
        return OnInfoAnswer();
    case 2:
        return OnBandAnswer();
    default:
        return OnBlockAnswer();
    }
}

size_t LinkEngine::ExpectedAnswerLength() const
{
    switch (linkStep_) {
    case 0:
        return IdentAnswerLength;
    case 1:
        return InfoAnswerLength;
    case 2:
        return BandAnswerLength;
    default:
        return blocks_->ExpectedAnswerLength();
    }
}

LinkActions LinkEngine::TimeOut()
{
    if (!IsListening())
        return {};
    return Finish(LinkOutcome::CommunicationFailure);
}

LinkActions LinkEngine::PortSwitched(bool opened)
{
    if (!awaitingPort_ || outcome_ != LinkOutcome::Running)
        return {};
    awaitingPort_ = false;
    if (!opened)
        return Finish(LinkOutcome::CommunicationFailure);
    return Hello();
}

LinkActions LinkEngine::BandQuestionAnswered(bool goOn)
{
    if (!awaitingBandChoice_ || outcome_ != LinkOutcome::Running)
        return {};
    awaitingBandChoice_ = false;
    if (!goOn)
        return Finish(LinkOutcome::Closed);
    return StartBlocks();
}

LinkActions LinkEngine::StopBeforeRadio()
{
    if (!started_ || outcome_ != LinkOutcome::Running)
        return {};
    if (linkStep_ == 0)
        return Finish(LinkOutcome::Stopped);
    stopBeforeRadio_ = true;
    return {};
}

bool LinkEngine::CanCancel() const
{
    if (!started_ || outcome_ != LinkOutcome::Running || awaitingBandChoice_)
        return false;
    if (context_.IsRead)
        return true;
    const int firstChangingStep = context_.Kind == TransferKind::PasswordSetting ? PasswordStep : BlockStep;
    return linkStep_ < firstChangingStep;
}

LinkActions LinkEngine::Cancel()
{
    if (!CanCancel())
        return {};
    context_.Settings = settingsAtStart_;
    return Finish(LinkOutcome::Stopped, Sending(EndFrame()));
}

void LinkEngine::ApplyResult()
{
    if (outcome_ != LinkOutcome::Success || applied_ || !context_.IsRead)
        return;
    applied_ = true;
    if (context_.Kind == TransferKind::Normal)
        SetDataToSoftware(context_.Image, context_.Settings, context_.Band);
    else if (context_.Kind == TransferKind::SerialNumber)
        std::memcpy(context_.Settings.DeviceSn, context_.Buffer.data(), DeviceSnSize);
}

bool LinkEngine::SearchingForRadio() const { return autoSearch_ && linkStep_ == 0; }

bool LinkEngine::IsListening() const
{
    return started_ && outcome_ == LinkOutcome::Running && !awaitingPort_ && !awaitingBandChoice_;
}

LinkActions LinkEngine::OnIdentAnswer()
{
    const size_t n = rx_.RxCount();
    if (n == 0)
        return SilentPort();
    if (n < IdentAnswerLength) {
        // Without the search the rest may come with the next tick.
        if (!autoSearch_ && !context_.Wait.Waiting)
            return {};
        // A half answer on a searched port is somebody else's chatter, and so is one while a
        // radio is being plugged in.
        rx_.Clear();
        return SilentPort();
    }
    if (!std::equal(IdentAnswer.begin(), IdentAnswer.end(), rx_.Data())) {
        rx_.Clear();
        return autoSearch_ ? SwitchPort() : NoRadioYet();
    }
    std::copy(IdentAnswer.begin(), IdentAnswer.end(), infoTarget_.ModelIdent);
    LinkActions actions = Sending(InfoRequest());
    actions.progress = ProgressMeter::Start;
    actions.timeOutTimer = TimerCommand::StartEvery(TimeOutMs);
    linkStep_ = 1;
    rx_.Clear();
    return actions;
}

LinkActions LinkEngine::OnInfoAnswer()
{
    const size_t n = rx_.RxCount();
    if (n == 0)
        return Sending(InfoRequest());
    if (n < InfoAnswerLength)
        return {};
    if (rx_[0] != LinkAck)
        return Finish(LinkOutcome::CommunicationFailure);
    if (PassesOver(rx_.Data() + InfoSnOffset))
        return LetRadioGo();

    RadioSettings& settings = context_.Settings;
    // A serial-number transfer is about the number the user entered: the radio's old one must
    // neither replace it before a write nor survive a failed read.
    if (context_.Kind != TransferKind::SerialNumber)
        std::memcpy(settings.DeviceSn, rx_.Data() + InfoSnOffset, DeviceSnSize);
    std::memcpy(infoTarget_.ReportedPassword, rx_.Data() + InfoPasswordOffset, sizeof infoTarget_.ReportedPassword);
    if (context_.TakeRadio && !context_.TakeRadio(settings))
        return Finish(LinkOutcome::Stopped, Sending(EndFrame()));
    if (!settings.PasswordMatches(infoTarget_.ReportedPassword))
        return Finish(LinkOutcome::PasswordError);

    LinkActions actions = Sending(PasswordFrameFor(context_.Kind == TransferKind::PasswordSetting, settings, context_.Link));
    actions.timeOutTimer = TimerCommand::StartEvery(TimeOutMs);
    linkStep_ = PasswordStep;
    rx_.Clear();
    return actions;
}

LinkActions LinkEngine::OnBandAnswer()
{
    if (rx_.RxCount() != BandAnswerLength)
        return {};
    if (rx_[0] != LinkAck)
        return Finish(LinkOutcome::CommunicationFailure);

    const BandLimits reported{GetBe32(rx_.Data() + BandMinOffset), GetBe32(rx_.Data() + BandMaxOffset)};
    infoTarget_.BandMin = reported.BandMin;
    infoTarget_.BandMax = reported.BandMax;
    rx_.Clear();

    if (context_.Kind == TransferKind::PasswordSetting) {
        AdoptNewPassword(context_.Settings);
        return Succeed();
    }
    if (!context_.IsRead && reported != context_.Band) {
        awaitingBandChoice_ = true;
        LinkActions actions;
        actions.txTimer = TimerCommand::Halt();
        actions.timeOutTimer = TimerCommand::Halt();
        actions.askBandQuestion = true;
        return actions;
    }
    return StartBlocks();
}

LinkActions LinkEngine::OnBlockAnswer()
{
    const size_t n = rx_.RxCount();
    if (n == 0 || n != blocks_->ExpectedAnswerLength())
        return {};
    const uint8_t expectedFirst = context_.IsRead ? ReadAnswerCommand : LinkAck;
    if (rx_[0] != expectedFirst)
        return Finish(LinkOutcome::CommunicationFailure);
    LinkActions actions = NextBlock(context_.IsRead ? rx_.Data() + BlockHeadLength : nullptr);
    if (actions.outcome == LinkOutcome::Running)
        actions.timeOutTimer = TimerCommand::StartEvery(TimeOutMs);
    return actions;
}

bool LinkEngine::PassesOver(const uint8_t* serial) const
{
    const std::optional<SerialNumberBytes>& passOver = context_.Wait.PassOver;
    return context_.Wait.Waiting && passOver && !acceptSameRadio_ && std::equal(passOver->begin(), passOver->end(), serial);
}

// The radio is ended properly and the hellos go on, a whole tick from now, as before it answered;
// a stop asked for meanwhile takes effect now.
LinkActions LinkEngine::LetRadioGo()
{
    LinkActions actions = Sending(EndFrame());
    if (stopBeforeRadio_)
        return Finish(LinkOutcome::Stopped, std::move(actions));
    actions.radioPassedOver = true;
    actions.txTimer = TimerCommand::StartEvery(HandshakeTickMs);
    actions.timeOutTimer = TimerCommand::Halt();
    actions.progress = 0;
    linkStep_ = 0;
    rx_.Clear();
    return actions;
}

// Something other than a radio answered: a waiting transfer goes on waiting.
LinkActions LinkEngine::NoRadioYet()
{
    return context_.Wait.Waiting ? Hello() : Finish(LinkOutcome::CommunicationFailure);
}

LinkActions LinkEngine::Hello()
{
    LinkActions actions = Sending(HelloFrame());
    actions.purgeBothQueues = true;
    return actions;
}

LinkActions LinkEngine::Flooded()
{
    LinkActions actions = SearchingForRadio() ? SilentPort() : LinkActions{};
    actions.purgeReceiveQueue = true;
    return actions;
}

// A searched port runs no time-out, so every tick without a whole answer -- silence, a flood or
// a few stray bytes -- uses up one of its hellos. Otherwise a device that chatters on every tick
// would hold the search, and the dialog that cannot be aborted, for ever.
LinkActions LinkEngine::SilentPort()
{
    if (!autoSearch_)
        return Hello();
    if (helloRetries_ < HelloRepeatsPerPort) {
        ++helloRetries_;
        return Hello();
    }
    return SwitchPort();
}

LinkActions LinkEngine::SwitchPort()
{
    // Every port gets its full share of hellos, however the previous one was left.
    helloRetries_ = 0;
    awaitingPort_ = true;
    LinkActions actions;
    actions.nextPortRequested = true;
    return actions;
}

LinkActions LinkEngine::StartBlocks()
{
    const std::optional<BlockPlan> plan = PlanFor(context_);
    if (!plan)
        return Finish(LinkOutcome::CommunicationFailure);
    PrepareOutgoingData();
    blocks_ = std::make_unique<BlockTransfer>(*plan, context_.IsRead);
    linkStep_ = BlockStep;
    LinkActions actions = NextBlock(nullptr);
    actions.txTimer = TimerCommand::StartEvery(BlockTickMs);
    actions.timeOutTimer = TimerCommand::StartEvery(TimeOutMs);
    return actions;
}

void LinkEngine::PrepareOutgoingData()
{
    if (context_.IsRead)
        return;
    if (context_.Kind == TransferKind::Normal)
        GetDataForWrite(context_.Settings, context_.Band, context_.Clock ? context_.Clock() : LocalNow(),
                        context_.Image);
    else if (context_.Kind == TransferKind::SerialNumber)
        std::memcpy(context_.Buffer.data(), context_.Settings.DeviceSn, DeviceSnSize);
}

LinkActions LinkEngine::NextBlock(const uint8_t* answerData)
{
    BlockTransfer::Step step = blocks_->Next(answerData);
    rx_.Clear();
    if (step.finished)
        return Succeed();
    LinkActions actions = Sending(std::move(step.frame));
    actions.progress = blocks_->Progress();
    return actions;
}

LinkActions LinkEngine::Succeed()
{
    LinkActions actions = Sending(EndFrame());
    actions.progress = ProgressMeter::Full;
    return Finish(LinkOutcome::Success, std::move(actions));
}

LinkActions LinkEngine::Finish(LinkOutcome outcome, LinkActions actions)
{
    outcome_ = outcome;
    actions.txTimer = TimerCommand::Halt();
    actions.timeOutTimer = TimerCommand::Halt();
    actions.outcome = outcome;
    return actions;
}
