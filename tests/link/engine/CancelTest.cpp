#include <gtest/gtest.h>

#include "SimulatedDriver.h"
#include "radio/LinkBytes.h"

namespace {

using CancelTest = LinkEngineTest;

struct CancelCase {
    const char* name;
    TransferKind kind;
    bool isRead;
    int answers;  // how many of the radio's answers the engine took before the stop
    bool stops;
};

// A read may stop at any moment, a write only while the radio holds nothing new. A stop ends the
// radio's session and puts back what the handshake wrote into the record.
TEST_F(CancelTest, StopsWhereTheRadioStillHoldsWhatItHeld)
{
    const CancelCase cases[] = {
        {"read before any answer", TransferKind::Normal, true, 0, true},
        {"read among the blocks", TransferKind::Normal, true, 8, true},
        {"write before its first block", TransferKind::Normal, false, 2, true},
        {"write after its first block", TransferKind::Normal, false, 3, false},
        {"password before the new password", TransferKind::PasswordSetting, false, 1, true},
        {"password once it went out", TransferKind::PasswordSetting, false, 2, false},
    };
    for (const CancelCase& c : cases) {
        SimulatedRadio line;
        fx.settings.ResetToDefaults();
        const RadioSettings before = fx.settings;
        LinkEngine engine(fx.Context(c.kind, c.isRead));
        LinkActions sent = engine.Start(false);
        for (int i = 0; i < c.answers; ++i)
            sent = Exchange(engine, line, sent);
        ASSERT_EQ(sent.outcome, LinkOutcome::Running) << c.name;
        EXPECT_EQ(engine.CanCancel(), c.stops) << c.name;

        const LinkActions stop = engine.Cancel();
        if (c.stops) {
            EXPECT_EQ(stop.outcome, LinkOutcome::Stopped) << c.name;
            EXPECT_EQ(stop.send, std::vector<Frame>{Frame{LinkBytes::End}}) << c.name;
            EXPECT_EQ(stop.txTimer, TimerCommand::Halt()) << c.name;
            EXPECT_TRUE(SameBytes(fx.settings, before)) << c.name;
            EXPECT_TRUE(line.BlockAddresses(LinkBytes::Write).empty()) << c.name;
        } else {
            EXPECT_EQ(stop.outcome, LinkOutcome::Running) << c.name;
            EXPECT_TRUE(stop.send.empty()) << c.name;
            EXPECT_EQ(engine.Outcome(), LinkOutcome::Running) << c.name;
        }
    }
}

TEST_F(CancelTest, NothingIsLeftToStopOnceTheTransferEnded)
{
    SimulatedDriver driver(fx.Context(TransferKind::Normal, true), {&radio});
    ASSERT_EQ(driver.Run(false), LinkOutcome::Success);
    EXPECT_FALSE(driver.engine.CanCancel());
    EXPECT_TRUE(driver.engine.Cancel().send.empty());
    EXPECT_EQ(driver.engine.Outcome(), LinkOutcome::Success);
}

}
