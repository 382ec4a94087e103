#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "link/engine/LinkActions.h"
#include "link/engine/LinkTiming.h"
#include "link/engine/ReceiveBuffer.h"
#include "link/engine/TransferContext.h"

class BlockTransfer;

// More bytes than this waiting on one tick are noise: they are dropped unread.
constexpr size_t FloodLimit = 255;
// The link step in which blocks move; the steps before it are the handshake.
constexpr int BlockStep = 3;

// The protocol of one transfer as a deterministic state machine: no clock, no port, no widgets.
// The driver owns the port and the two timers; it feeds the engine the events and carries out
// the LinkActions each call returns. With a fast timing the driver also polls every
// Timing().answerPollMs and calls Tick() at once when AnswerComplete() says so. After an outcome other than Running every further event is
// ignored (an empty LinkActions comes back).
//
// The record is touched only as the link allows: the handshake fills the ReadRadioInfo or
// WriteRadioInfo of the transfer's direction (ModelIdent, ReportedPassword, band) and DeviceSn --
// except in serial-number transfers, which are about the number the user entered; a
// password-setting transfer sets Password; a normal write packs the record into the image; and
// whatever a read brought is applied only by ApplyResult(), after the success notice was closed.
// Adjustment transfers move the context's TransferBuffer only; packing and unpacking the
// calibration record is the opener's business.
class LinkEngine {
public:
    explicit LinkEngine(const TransferContext& context);
    ~LinkEngine();
    LinkEngine(const LinkEngine&) = delete;
    LinkEngine& operator=(const LinkEngine&) = delete;

    // The port is open and has settled: purge, hello, handshake timers.
    LinkActions Start(bool autoSearch);
    // Timer_Tx fired; `received` holds every byte that was waiting on the port.
    LinkActions Tick(const uint8_t* received, size_t count);
    // Whether the bytes waiting on the port complete the answer the link waits for, so that a
    // fast link ticks now instead of on the schedule. Always false with the default timing.
    bool AnswerComplete(size_t waiting) const;
    // Timer_TimeOut fired: the radio stayed silent too long.
    LinkActions TimeOut();
    // Answer to nextPortRequested: whether a further listed port opened (and settled).
    LinkActions PortSwitched(bool opened);
    // Answer to askBandQuestion: Continue (true) or Cancel (false).
    LinkActions BandQuestionAnswered(bool goOn);
    // Ends the transfer (Stopped) while no radio has answered its hello yet. Once one has, a
    // waiting transfer stops when it lets that radio go again; a radio it takes is served to the end.
    LinkActions StopBeforeRadio();
    // The user's stop: a read at any moment, a write until the first frame that changes the radio
    // (its first block; the new password of a password-setting transfer) has gone out. The radio is
    // sent the end byte, and the record gets back what the handshake put into it. Nothing happens
    // (an empty LinkActions) once the transfer can no longer be stopped that way.
    LinkActions Cancel();
    bool CanCancel() const;
    // From now on a waiting transfer takes the radio it was to wait past.
    void AcceptSameRadio() { acceptSameRadio_ = true; }
    // After a successful transfer and its notice: a normal read unpacks the image into the record
    // and the band, a serial-number read takes the number over. Does nothing otherwise or twice.
    void ApplyResult();

    // Which of `count` bytes about to be given to Tick carry the radio's password: those that fall
    // on the password in the info answer, so that a trace can keep it out of sight.
    ByteRange PasswordBytesAmong(size_t count) const;

    LinkOutcome Outcome() const { return outcome_; }
    int LinkStep() const { return linkStep_; }
    const LinkTiming& Timing() const { return timing_; }
    // Whether blocks have gone to the radio in a write: a failure from then on may leave the
    // radio with part of the new setup.
    bool WritingBlocks() const { return !context_.IsRead && linkStep_ == BlockStep; }

private:
    bool IsListening() const;
    bool SearchingForRadio() const;
    LinkActions Answer();
    size_t ExpectedAnswerLength() const;
    LinkActions OnIdentAnswer();
    LinkActions OnInfoAnswer();
    LinkActions OnBandAnswer();
    LinkActions OnBlockAnswer();
    bool PassesOver(const uint8_t* serial) const;
    LinkActions LetRadioGo();
    LinkActions Hello();
    LinkActions NoRadioYet();
    LinkActions Flooded();
    LinkActions SilentPort();
    LinkActions SwitchPort();
    LinkActions StartBlocks();
    void PrepareOutgoingData();
    LinkActions NextBlock(const uint8_t* answerData);
    LinkActions Succeed();
    LinkActions Finish(LinkOutcome outcome, LinkActions actions = {});

    TransferContext context_;
    // The record as the transfer found it, for a cancel.
    RadioSettings settingsAtStart_{};
    LinkTiming timing_;
    RadioInfo& infoTarget_;
    ReceiveBuffer rx_;
    std::unique_ptr<BlockTransfer> blocks_;
    bool started_ = false;
    bool autoSearch_ = false;
    bool awaitingPort_ = false;
    bool awaitingBandChoice_ = false;
    int linkStep_ = 0;
    int helloRetries_ = 0;
    bool applied_ = false;
    bool acceptSameRadio_ = false;
    bool stopBeforeRadio_ = false;
    LinkOutcome outcome_ = LinkOutcome::Running;
};
