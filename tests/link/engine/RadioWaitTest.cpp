#include <gtest/gtest.h>

#include "SimulatedDriver.h"
#include "radio/LinkBytes.h"

namespace {

using RadioWaitTest = LinkEngineTest;

SerialNumberBytes Serial(const std::string& digits)
{
    SerialNumberBytes bytes{};
    std::copy(digits.begin(), digits.end(), bytes.begin());
    return bytes;
}

TEST_F(RadioWaitTest, ASilentLineGetsHellosWithoutEverTimingOut)
{
    radio.faults.SilentFromStep = 0;
    TransferContext context = fx.Context(TransferKind::Normal, false);
    context.Wait.Waiting = true;
    SimulatedDriver driver(context, {&radio});

    EXPECT_EQ(driver.Run(false, 6 * TimeOutMs), LinkOutcome::Running);
    EXPECT_GE(radio.CountStartingWith(LinkBytes::Ack), size_t(6 * TimeOutMs / HandshakeTickMs)) << "one hello a second";
    EXPECT_EQ(driver.lastTimeOutStartMs, -1);
}

// The radio just written is ended properly each time it answers, and only another one is written.
TEST_F(RadioWaitTest, TheRadioWaitedPastIsLetGoAndAnotherIsTaken)
{
    struct Row {
        const char* radioSerial;
        bool acceptSame;
        LinkOutcome outcome;
        bool written;
    };
    const Row rows[] = {
        {"1001", false, LinkOutcome::Running, false},
        {"1001", true, LinkOutcome::Success, true},
        {"1002", false, LinkOutcome::Success, true},
    };
    for (const Row& row : rows) {
        SimulatedRadio line;
        line.memory.SetSerialNumber(row.radioSerial);
        TransferContext context = fx.Context(TransferKind::Normal, false);
        context.Wait = RadioWait{true, Serial("1001")};
        SimulatedDriver driver(context, {&line});
        if (row.acceptSame)
            driver.engine.AcceptSameRadio();

        EXPECT_EQ(driver.Run(false, 10000), row.outcome) << row.radioSerial;
        EXPECT_EQ(!line.BlockAddresses(LinkBytes::Write).empty(), row.written) << row.radioSerial;
        if (!row.written) {
            EXPECT_EQ(line.CountStartingWith(LinkBytes::End), 3u) << "let go after every answer";
        }
    }
}

TEST_F(RadioWaitTest, AStopEndsTheWaitBeforeARadioAnswersOnly)
{
    LinkEngine waiting(fx.Context(TransferKind::Normal, false));
    waiting.Start(false);
    EXPECT_EQ(waiting.StopBeforeRadio().outcome, LinkOutcome::Stopped);

    SimulatedDriver driver(fx.Context(TransferKind::Normal, false), {&radio});
    ASSERT_EQ(driver.Run(false), LinkOutcome::Success);
    EXPECT_EQ(driver.engine.StopBeforeRadio().outcome, LinkOutcome::Running);
    EXPECT_EQ(driver.engine.Outcome(), LinkOutcome::Success);
}

}
