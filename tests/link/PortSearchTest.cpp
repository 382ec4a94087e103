#include <gtest/gtest.h>

#include "PseudoTerminal.h"
#include "QuickRadio.h"
#include "RadioProcess.h"
#include "TransferHarness.h"
#include "link/engine/LinkEngine.h"
#include "ports/SerialPortInfo.h"

namespace {

// A read that first spends three hellos on a silent port cannot end sooner: settling, three
// hellos, then identification, information and band a tick apart on the radio's port.
constexpr int SilentPortSearchMs = PortSettleMs + 6 * HandshakeTickMs;

// The search tries listed ports by their COM names; pinning maps those names onto test ptys.
class PortSearch : public testing::Test {
protected:
    void TearDown() override { TeskComm32::SetPinnedPorts({}); }
};

TEST_F(PortSearch, FindsTheRadioAfterThreeHellosOnASilentPort)
{
    PseudoTerminal silent;
    RadioProcess radio(QuickRadio);
    TeskComm32::SetPinnedPorts({{2, "/dev/kr-t27-absent"}, {3, silent.SlavePath()}, {5, radio.LinkPath()}});
    TransferObjects objects;
    const TransferRun run = RunTransfer(objects.Context(true), PortChoice::Searching({{2, 3, 5}, 0}));
    EXPECT_EQ(run.outcome, LinkOutcome::Success);
    EXPECT_GE(run.elapsedMs, SilentPortSearchMs);
}

TEST_F(PortSearch, MovesOnAtOnceFromAForeignRadio)
{
    RadioProcess foreign(QuickRadioWith({"--foreign-ident"}));
    RadioProcess radio(QuickRadio);
    TeskComm32::SetPinnedPorts({{3, foreign.LinkPath()}, {5, radio.LinkPath()}});
    TransferObjects objects;
    const TransferRun run = RunTransfer(objects.Context(true), PortChoice::Searching({{3, 5}, 0}));
    EXPECT_EQ(run.outcome, LinkOutcome::Success);
    EXPECT_LT(run.elapsedMs, SilentPortSearchMs);
}

TEST_F(PortSearch, EndsWhenTheListRunsOut)
{
    RadioProcess foreign(QuickRadioWith({"--foreign-ident"}));
    TeskComm32::SetPinnedPorts({{4, foreign.LinkPath()}});
    TransferObjects objects;
    const TransferRun run = RunTransfer(objects.Context(true), PortChoice::Searching({{4}, 0}));
    EXPECT_EQ(run.outcome, LinkOutcome::CommunicationFailure);
    EXPECT_LT(run.elapsedMs, TimeOutMs);
}

}
