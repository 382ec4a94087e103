#include <gtest/gtest.h>

#include "PseudoTerminal.h"
#include "QuickRadio.h"
#include "RadioProcess.h"
#include "TransferHarness.h"
#include "link/engine/LinkEngine.h"

namespace {

// A read that first spends three hellos on a silent port cannot end sooner: settling, three
// hellos, then identification, information and band a tick apart on the radio's port.
constexpr int SilentPortSearchMs = PortSettleMs + 6 * HandshakeTickMs;

// The search tries listed ports by their COM names; pinning maps those names onto test ptys.
TEST(PortSearch, FindsTheRadioAfterThreeHellosOnASilentPort)
{
    PseudoTerminal silent;
    RadioProcess radio(QuickRadio);
    TransferObjects objects;
    objects.Link.Ports.Pinned = {{2, "/dev/kr-t27-absent"}, {3, silent.SlavePath()}, {5, radio.LinkPath()}};
    const TransferRun run = RunTransfer(objects.Context(true), PortChoice::Searching({{2, 3, 5}, 0}));
    EXPECT_EQ(run.outcome, LinkOutcome::Success);
    EXPECT_GE(run.elapsedMs, SilentPortSearchMs);
}

TEST(PortSearch, MovesOnAtOnceFromAForeignRadio)
{
    RadioProcess foreign(QuickRadioWith({"--foreign-ident"}));
    RadioProcess radio(QuickRadio);
    TransferObjects objects;
    objects.Link.Ports.Pinned = {{3, foreign.LinkPath()}, {5, radio.LinkPath()}};
    const TransferRun run = RunTransfer(objects.Context(true), PortChoice::Searching({{3, 5}, 0}));
    EXPECT_EQ(run.outcome, LinkOutcome::Success);
    EXPECT_LT(run.elapsedMs, SilentPortSearchMs);
}

TEST(PortSearch, EndsWhenTheListRunsOut)
{
    RadioProcess foreign(QuickRadioWith({"--foreign-ident"}));
    TransferObjects objects;
    objects.Link.Ports.Pinned = {{4, foreign.LinkPath()}};
    const TransferRun run = RunTransfer(objects.Context(true), PortChoice::Searching({{4}, 0}));
    EXPECT_EQ(run.outcome, LinkOutcome::CommunicationFailure);
    EXPECT_LT(run.elapsedMs, TimeOutMs);
}

}
