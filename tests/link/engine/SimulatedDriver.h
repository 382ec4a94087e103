#pragma once

#include <cstddef>
#include <deque>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

#include "SimulatedRadio.h"
#include "link/engine/LinkEngine.h"
#include "link/engine/PasswordFrame.h"

// Everything one transfer works on, with a fixed clock so packing is reproducible.
struct TransferFixture {
    static constexpr DateTimeStamp PackTime{2024, 5, 6, 9, 7};

    TransferFixture();
    TransferContext Context(TransferKind kind, bool isRead);

    RadioSettings settings;
    BandLimits band;
    MemoryImage image{};
    TransferBuffer buffer{};
    LinkSettings link;
};

// Stands in for the Qt driver: carries out the engine's actions on a simulated clock, with a list
// of ports each holding a radio (or nothing: a port without a radio is a silent one). A fast link
// is polled as the Qt driver polls it.
class SimulatedDriver {
public:
    SimulatedDriver(const TransferContext& context, std::vector<SimulatedRadio*> ports);

    // Opens the first port, waits for the outcome (or `limitMs` of simulated time).
    LinkOutcome Run(bool autoSearch, int limitMs = 120000);

    LinkEngine engine;

    // The driver's knobs.
    bool continueAtBandQuestion = true;
    size_t bytesPerTick = std::numeric_limits<size_t>::max();

    // What happened, in simulated milliseconds from the first hello.
    int nowMs = 0;
    int endedAtMs = -1;
    int lastTimeOutStartMs = -1;
    int bandQuestions = 0;
    int queuePurges = 0;
    std::vector<int> progress;
    std::vector<int> portSwitchTimes;
    size_t portIndex = 0;

private:
    struct Timer {
        bool active = false;
        int intervalMs = 0;
        int dueMs = 0;
    };

    void Carry(const LinkActions& actions);
    void Apply(const TimerCommand& command, Timer& timer);
    void Fire(Timer& timer);
    void Deliver();
    Timer& Earliest();
    SimulatedRadio* CurrentRadio() const;

    std::vector<SimulatedRadio*> ports_;
    std::deque<uint8_t> waiting_;
    Timer tx_;
    Timer timeOut_;
    Timer answerPoll_;
};

// Carries the frames the engine sent to the radio, and the radio's answers back in one tick.
LinkActions Exchange(LinkEngine& engine, SimulatedRadio& radio, const LinkActions& sent);

// The record without the fields that any handshake may fill (serial number, radio info).
RadioSettings WithoutHandshakeFields(RadioSettings s);
bool SameBytes(const RadioSettings& a, const RadioSettings& b);

// One transfer's objects and a radio that answers.
class LinkEngineTest : public ::testing::Test {
protected:
    TransferFixture fx;
    SimulatedRadio radio;
};
