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

// Bytes that are no radio's answer, as when a radio is being plugged in, are waited past.
TEST_F(RadioWaitTest, StrayBytesOnTheLineDoNotEndTheWait)
{
    TransferContext context = fx.Context(TransferKind::Normal, false);
    context.Wait = RadioWait{true, Serial("1001")};
    LinkEngine engine(context);
    LinkActions actions = engine.Start(false);
    for (const Bytes& stray : {Bytes(3, '$'), Bytes(IdentAnswerLength, '$')}) {
        actions = engine.Tick(stray.data(), stray.size());
        ASSERT_EQ(actions.outcome, LinkOutcome::Running) << stray.size();
        EXPECT_TRUE(actions.purgeBothQueues && actions.send.size() == 1) << "hello again";
    }
    radio.memory.SetSerialNumber("1002");
    Exchange(engine, radio, actions);
    EXPECT_EQ(engine.LinkStep(), 1);
}

// A stop asked for while the radio waited past is in its handshake takes effect when it is let go.
TEST_F(RadioWaitTest, AStopDuringTheHandshakeOfTheRadioWaitedPastEndsWhenItIsLetGo)
{
    radio.memory.SetSerialNumber("1001");
    TransferContext context = fx.Context(TransferKind::Normal, false);
    context.Wait = RadioWait{true, Serial("1001")};
    LinkEngine engine(context);
    const LinkActions infoRequest = Exchange(engine, radio, engine.Start(false));
    ASSERT_EQ(engine.LinkStep(), 1);

    EXPECT_EQ(engine.StopBeforeRadio().outcome, LinkOutcome::Running);
    const LinkActions letGo = Exchange(engine, radio, infoRequest);

    EXPECT_EQ(letGo.outcome, LinkOutcome::Stopped);
    EXPECT_EQ(letGo.send, std::vector<Frame>{Frame{LinkBytes::End}});
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
