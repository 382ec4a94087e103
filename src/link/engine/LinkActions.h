#pragma once

#include <cstdint>
#include <vector>

using Frame = std::vector<uint8_t>;

// How a transfer ended, or that it still runs. Every outcome but Running means: stop both timers
// and close the port (after sending what `send` holds). Closed is the quiet stop after the band
// question, Stopped the caller's stop of a transfer still looking for its radio, or of one whose
// radio the caller did not take (RadioTaking); neither shows a notice.
enum class LinkOutcome {
    Running,
    Success,
    CommunicationFailure,
    PasswordError,
    Closed,
    Stopped,
};

// What a timer has to do after an engine call.
struct TimerCommand {
    enum Action { Keep, Start, Stop };

    Action action = Keep;
    int intervalMs = 0;  // only for Start: (re)start with this interval

    static TimerCommand StartEvery(int ms) { return {Start, ms}; }
    static TimerCommand Halt() { return {Stop, 0}; }

    bool operator==(const TimerCommand& o) const { return action == o.action && intervalMs == o.intervalMs; }
};

// The engine's answer to one event, carried out by the driver in field order: purge, next port,
// send the frames in order, apply the timers and the progress bar, ask the band question, and
// finally act on the outcome.
struct LinkActions {
    bool purgeBothQueues = false;    // before a hello: transmit and receive queues
    bool purgeReceiveQueue = false;  // after a flood of unexpected bytes
    bool nextPortRequested = false;  // automatic search: open the next listed port, then PortSwitched()
    std::vector<Frame> send;
    TimerCommand txTimer;       // Timer_Tx
    TimerCommand timeOutTimer;  // Timer_TimeOut
    int progress = -1;          // new value of the progress bar (0..100), or -1 to leave it
    bool askBandQuestion = false;  // then BandQuestionAnswered()
    bool radioPassedOver = false;  // a waiting transfer let the radio it waits past go again
    LinkOutcome outcome = LinkOutcome::Running;

    bool HasProgress() const { return progress >= 0; }
};
