#include "TransferHandle.h"

#include "lang/Utf8Text.h"
#include "link/StepMessage.h"
#include "link/TransferNotice.h"
#include "link/engine/PasswordFrame.h"

namespace {

std::unique_ptr<TransferTargets> TargetsFor(const RadioSettings& settings, const TransferSetup& setup)
{
    auto targets = std::make_unique<TransferTargets>();
    targets->Settings = settings;
    targets->Band = setup.band;
    targets->Buffer = setup.buffer;
    targets->Link.FastLink = setup.fastLink;
    // The page talks to the one port the user granted: there is no list to search.
    targets->Link.AutoSearchPort = false;
    return targets;
}

TransferContext ContextFor(TransferTargets& targets, const TransferSetup& setup)
{
    TransferContext context = targets.Context(setup.kind, setup.isRead);
    context.Wait = setup.wait;
    context.TakeRadio = setup.takeRadio;
    if (setup.now) {
        const DateTimeStamp now = *setup.now;
        context.Clock = [now] { return now; };
    }
    return context;
}

void Follow(const TimerCommand& command, int& intervalMs)
{
    if (command.action == TimerCommand::Start)
        intervalMs = command.intervalMs;
    else if (command.action == TimerCommand::Stop)
        intervalMs = 0;
}

}

TransferHandle::TransferHandle(const RadioSettings& settings, const TransferSetup& setup)
    : TransferHandle(TargetsFor(settings, setup), setup)
{
}

TransferHandle::TransferHandle(std::unique_ptr<TransferTargets> targets, const TransferSetup& setup)
    : setup_(setup), targets_(std::move(targets)), engine_(ContextFor(*targets_, setup_))
{
}

std::unique_ptr<TransferHandle> TransferHandle::ReadBack() const
{
    TransferSetup read = setup_;
    read.isRead = true;
    read.wait = {};
    read.takeRadio = {};
    auto targets = TransferTargets::ForReadBack(targets_->Context(TransferKind::Normal, setup_.isRead));
    return std::unique_ptr<TransferHandle>(new TransferHandle(std::move(targets), read));
}

LinkActions TransferHandle::Start() { return Carry(engine_.Start(targets_->Link.AutoSearchPort)); }

LinkActions TransferHandle::Tick(const Bytes& received)
{
    if (outcome_ == LinkOutcome::Running) {
        const ByteRange password = engine_.PasswordBytesAmong(received.size());
        trace_.Received(ElapsedMs(), received.data(), received.size(), password);
    }
    return Carry(engine_.Tick(received.data(), received.size()));
}

LinkActions TransferHandle::TimeOut()
{
    if (outcome_ == LinkOutcome::Running)
        trace_.Note(ElapsedMs(), "time-out");
    return Carry(engine_.TimeOut());
}

LinkActions TransferHandle::BandQuestionAnswered(bool goOn) { return Carry(engine_.BandQuestionAnswered(goOn)); }

LinkActions TransferHandle::PortFailed()
{
    LinkActions actions;
    actions.txTimer = TimerCommand::Halt();
    actions.timeOutTimer = TimerCommand::Halt();
    actions.outcome = LinkOutcome::CommunicationFailure;
    return Carry(actions);
}

// Once the transfer has ended nothing it is told changes it, as the desktop's driver ignores what
// comes after the outcome.
LinkActions TransferHandle::Carry(LinkActions actions)
{
    if (outcome_ != LinkOutcome::Running)
        return {};
    Follow(actions.txTimer, txIntervalMs_);
    Follow(actions.timeOutTimer, timeOutIntervalMs_);
    for (const Frame& frame : actions.send)
        trace_.Sent(ElapsedMs(), frame.data(), frame.size(), PasswordBytesOf(frame));
    if (actions.HasProgress())
        progress_ = actions.progress;
    if (actions.outcome != LinkOutcome::Running) {
        outcome_ = actions.outcome;
        partlyWritten_ = outcome_ != LinkOutcome::Success && engine_.WritingBlocks();
        txIntervalMs_ = 0;
        timeOutIntervalMs_ = 0;
    }
    return actions;
}

int64_t TransferHandle::ElapsedMs() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - began_).count();
}

std::string TransferHandle::StepText(TTeskFuncs::TLangType language) const
{
    const std::optional<Message> message = StepMessage(engine_.LinkStep());
    return message ? MessageUtf8(*message, language) : std::string();
}

RecordHandle TransferHandle::Result()
{
    engine_.ApplyResult();
    return RecordHandle(targets_->Settings);
}

// The page talks to the one port the user granted, so no list of ports tried goes with a notice.
std::vector<std::string> TransferHandle::NoticeLines(const std::string& portProblem,
                                                     TTeskFuncs::TLangType language) const
{
    return OutcomeNoticeLines(TransferEnding{outcome_, partlyWritten_, false, portProblem, {}, false}, language);
}

VerifyResult TransferHandle::CompareWith(const TransferHandle& readBack) const
{
    return CompareWritten(targets_->Image, readBack.targets_->Image);
}

std::vector<std::string> TransferHandle::VerifiedNoticeLines(const TransferHandle& readBack,
                                                             const std::string& portProblem,
                                                             TTeskFuncs::TLangType language) const
{
    if (readBack.Outcome() != LinkOutcome::Success)
        return OutcomeNoticeLines(TransferEnding{readBack.Outcome(), false, true, portProblem, {}, false}, language);
    return ::VerifiedNoticeLines(CompareWith(readBack), language);
}
