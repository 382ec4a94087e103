#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "SimulatedDriver.h"

namespace {

const Bytes Hello = {0x06, 'K', 'O', 'R', 'V', 'A', 'N', 'E'};
const Bytes Ident = {'K', 'R', '-', '5', '0', '3', 0xFF, 0xFF};

using Handshake = LinkEngineTest;

// The fast link polls more often but resends on the same schedule.
class SilentRadio : public Handshake, public ::testing::WithParamInterface<bool> {};

TEST_P(SilentRadio, GetsOneHelloPerSecondUntilTheTimeOut)
{
    fx.link.FastLink = GetParam();
    radio.faults.SilentFromStep = 0;
    SimulatedDriver driver(fx.Context(TransferKind::Normal, true), {&radio});

    EXPECT_EQ(driver.Run(false), LinkOutcome::CommunicationFailure);

    EXPECT_EQ(driver.endedAtMs, 5000);
    EXPECT_EQ(radio.CountFrames(Hello), 5u);
    EXPECT_EQ(radio.Received().size(), 5u);
    EXPECT_EQ(driver.queuePurges, 5) << "every hello starts on empty queues";
}

INSTANTIATE_TEST_SUITE_P(Timing, SilentRadio, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "Fast" : "Default"); });

TEST_F(Handshake, SearchGivesEachSilentPortThreeHellosThenMovesOn)
{
    SimulatedRadio silentPort;
    silentPort.faults.SilentFromStep = 0;
    SimulatedDriver driver(fx.Context(TransferKind::Normal, true), {&silentPort, &radio});

    EXPECT_EQ(driver.Run(true), LinkOutcome::Success);

    EXPECT_EQ(silentPort.CountFrames(Hello), 3u);
    EXPECT_EQ(driver.portSwitchTimes, std::vector<int>{3000});
    EXPECT_EQ(radio.CountFrames(Hello), 1u);
}

TEST_F(Handshake, SearchOverSilentPortsFailsWhenTheListRunsOut)
{
    SimulatedRadio first, second;
    first.faults.SilentFromStep = second.faults.SilentFromStep = 0;
    SimulatedDriver driver(fx.Context(TransferKind::Normal, true), {&first, &second});

    EXPECT_EQ(driver.Run(true), LinkOutcome::CommunicationFailure);

    EXPECT_EQ(first.CountFrames(Hello), 3u);
    EXPECT_EQ(second.CountFrames(Hello), 3u);
    EXPECT_EQ(driver.endedAtMs, 6000);
    EXPECT_EQ(driver.lastTimeOutStartMs, -1) << "the search needs no time-out of its own";
}

TEST_F(Handshake, ForeignIdentWithoutSearchFailsAtOnce)
{
    radio.faults.ForeignIdent = true;
    SimulatedDriver driver(fx.Context(TransferKind::Normal, true), {&radio});

    EXPECT_EQ(driver.Run(false), LinkOutcome::CommunicationFailure);

    EXPECT_EQ(driver.endedAtMs, 1000);
    EXPECT_EQ(radio.Received(), std::vector<Bytes>{Hello});
}

TEST_F(Handshake, ForeignIdentWithSearchTriesTheNextPortAtOnce)
{
    SimulatedRadio foreign;
    foreign.faults.ForeignIdent = true;
    SimulatedDriver driver(fx.Context(TransferKind::Normal, true), {&foreign, &radio});

    EXPECT_EQ(driver.Run(true), LinkOutcome::Success);

    EXPECT_EQ(foreign.Received(), std::vector<Bytes>{Hello});
    EXPECT_EQ(driver.portSwitchTimes, std::vector<int>{1000});
}

struct ChatterCase {
    const char* name;
    size_t bytesPerTick;
    bool fastLink;
};

class ChatteringPort : public Handshake, public ::testing::WithParamInterface<ChatterCase> {};

// The search runs no time-out, so a device that talks on every tick must not hold it.
TEST_P(ChatteringPort, GetsThreeHellosLikeASilentOne)
{
    fx.link.FastLink = GetParam().fastLink;
    SimulatedRadio chatty;
    chatty.faults.SilentFromStep = 0;
    chatty.faults.ChatterBytes = GetParam().bytesPerTick;
    SimulatedDriver driver(fx.Context(TransferKind::Normal, true), {&chatty, &radio});

    EXPECT_EQ(driver.Run(true), LinkOutcome::Success);

    EXPECT_EQ(chatty.CountFrames(Hello), 3u);
    EXPECT_EQ(driver.portSwitchTimes, std::vector<int>{3000});
}

INSTANTIATE_TEST_SUITE_P(Search, ChatteringPort,
                         ::testing::Values(ChatterCase{"StrayBytes", 3, false}, ChatterCase{"Flood", FloodLimit + 1, false},
                                           ChatterCase{"StrayBytesFast", 3, true},
                                           ChatterCase{"FloodFast", FloodLimit + 1, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Handshake, SearchGivesTheNextPortThreeHellosWhateverTheLastOneUsed)
{
    const Bytes foreign = {'X', 'Y', 'Z', '-', '0', '0', 0xFF, 0xFF};
    LinkEngine engine(fx.Context(TransferKind::Normal, true));
    engine.Start(true);
    engine.Tick(nullptr, 0);
    ASSERT_TRUE(engine.Tick(foreign.data(), foreign.size()).nextPortRequested);
    ASSERT_EQ(engine.PortSwitched(true).send, std::vector<Frame>{Hello});

    EXPECT_EQ(engine.Tick(nullptr, 0).send, std::vector<Frame>{Hello});
    EXPECT_EQ(engine.Tick(nullptr, 0).send, std::vector<Frame>{Hello});
    EXPECT_TRUE(engine.Tick(nullptr, 0).nextPortRequested);
}

struct SplitIdentCase {
    const char* name;
    bool autoSearch;
    size_t hellosAfterFirstPart;
    int stepAfterSecondPart;
};

class SplitIdent : public Handshake, public ::testing::WithParamInterface<SplitIdentCase> {};

TEST_P(SplitIdent, FirstPartIsKeptOnlyWithoutSearch)
{
    LinkEngine engine(fx.Context(TransferKind::Normal, true));
    engine.Start(GetParam().autoSearch);

    const LinkActions first = engine.Tick(Ident.data(), 3);
    EXPECT_EQ(first.send.size(), GetParam().hellosAfterFirstPart);
    engine.Tick(Ident.data() + 3, Ident.size() - 3);

    EXPECT_EQ(engine.LinkStep(), GetParam().stepAfterSecondPart);
}

// With the search a part answer counts as silence: the port is asked again at once.
INSTANTIATE_TEST_SUITE_P(Ident, SplitIdent,
                         ::testing::Values(SplitIdentCase{"Direct", false, 0, 1}, SplitIdentCase{"Search", true, 1, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Handshake, IdentAndInfoFillTheTargetOfTheTransfersDirection)
{
    radio.memory.SetSerialNumber("00042017");
    radio.memory.SetPasswordText("77");
    std::memcpy(fx.settings.Password, "77", 3);
    SimulatedDriver driver(fx.Context(TransferKind::Normal, false), {&radio});

    ASSERT_EQ(driver.Run(false), LinkOutcome::Success);

    const RadioInfo& info = fx.settings.WriteRadioInfo;
    EXPECT_EQ(Bytes(info.ModelIdent, info.ModelIdent + 8), Ident);
    EXPECT_EQ(Bytes(fx.settings.DeviceSn, fx.settings.DeviceSn + 8), Bytes({'0', '0', '0', '4', '2', '0', '1', '7'}));
    EXPECT_EQ(info.ReportedPassword[0], 0x7B) << "'7' | 0x80 = B7, nibbles swapped";
    EXPECT_EQ(uint32_t(info.BandMin), 400000000u);
    EXPECT_EQ(uint32_t(info.BandMax), 470000000u);
    EXPECT_EQ(fx.settings.ReadRadioInfo.ModelIdent[0], 0) << "the other direction's record is left alone";
}

class SilentAfterIdent : public Handshake, public ::testing::WithParamInterface<bool> {};

// The time-out runs from the identification on, with or without the search.
TEST_P(SilentAfterIdent, InfoRequestIsRepeatedEverySecondUntilTheTimeOut)
{
    radio.faults.SilentFromStep = 1;
    SimulatedDriver driver(fx.Context(TransferKind::Normal, true), {&radio});

    EXPECT_EQ(driver.Run(GetParam()), LinkOutcome::CommunicationFailure);

    EXPECT_EQ(radio.CountFrames(Bytes{0x02}), 5u);
    EXPECT_EQ(driver.endedAtMs, 1000 + 5000);
}

INSTANTIATE_TEST_SUITE_P(Ports, SilentAfterIdent, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "Search" : "Direct"); });

struct MissingAckCase {
    const char* name;
    int step;
    int endedAtMs;
};

class MissingAck : public Handshake, public ::testing::WithParamInterface<MissingAckCase> {};

TEST_P(MissingAck, EndsTheTransferAtOnce)
{
    radio.faults.WrongFirstByteStep = GetParam().step;
    SimulatedDriver driver(fx.Context(TransferKind::Normal, false), {&radio});

    EXPECT_EQ(driver.Run(false), LinkOutcome::CommunicationFailure);

    EXPECT_EQ(driver.endedAtMs, GetParam().endedAtMs);
    EXPECT_EQ(radio.CountStartingWith('W'), 0u);
}

INSTANTIATE_TEST_SUITE_P(Answers, MissingAck,
                         ::testing::Values(MissingAckCase{"Info", 1, 2000},
                                           MissingAckCase{"Band", 2, 3000}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PasswordCase {
    const char* radioPassword;
    const char* modelPassword;
    LinkOutcome outcome;
};

class PasswordCheck : public Handshake, public ::testing::WithParamInterface<PasswordCase> {};

TEST_P(PasswordCheck, DecidesWhetherAnythingIsWritten)
{
    radio.memory.SetPasswordText(GetParam().radioPassword);
    std::memcpy(fx.settings.Password, GetParam().modelPassword, std::strlen(GetParam().modelPassword) + 1);
    SimulatedDriver driver(fx.Context(TransferKind::Normal, false), {&radio});

    EXPECT_EQ(driver.Run(false), GetParam().outcome);

    const bool admitted = GetParam().outcome == LinkOutcome::Success;
    EXPECT_EQ(radio.CountStartingWith('W'), admitted ? 48u : 0u);
    EXPECT_EQ(radio.CountStartingWith(0x80), admitted ? 1u : 0u);
    EXPECT_EQ(radio.CountStartingWith('E'), admitted ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Passwords, PasswordCheck,
                         ::testing::Values(PasswordCase{"", "1234", LinkOutcome::Success},
                                           PasswordCase{"", "", LinkOutcome::Success},
                                           PasswordCase{"1234", "1234", LinkOutcome::Success},
                                           PasswordCase{"1234", "9999", LinkOutcome::PasswordError},
                                           PasswordCase{"1234", "12345", LinkOutcome::PasswordError},
                                           PasswordCase{"1234", "", LinkOutcome::PasswordError}));

TEST_F(Handshake, PasswordErrorChangesOnlyTheHandshakeFields)
{
    radio.memory.SetPasswordText("secret");
    std::memcpy(fx.settings.Password, "guess", 6);
    const RadioSettings before = fx.settings;
    SimulatedDriver driver(fx.Context(TransferKind::Normal, true), {&radio});

    ASSERT_EQ(driver.Run(false), LinkOutcome::PasswordError);

    EXPECT_TRUE(SameBytes(WithoutHandshakeFields(fx.settings), WithoutHandshakeFields(before)));
}

TEST_F(Handshake, BandAnswerOfEighteenBytesRunsIntoTheTimeOut)
{
    radio.faults.LongBandAnswer = true;
    SimulatedDriver driver(fx.Context(TransferKind::Normal, true), {&radio});

    EXPECT_EQ(driver.Run(false), LinkOutcome::CommunicationFailure);

    EXPECT_EQ(driver.endedAtMs - driver.lastTimeOutStartMs, 5000);
    EXPECT_EQ(radio.CountStartingWith('R'), 0u);
}

TEST_F(Handshake, PasswordFrameOfANormalTransferCarriesSixteenZeroBytes)
{
    SimulatedDriver driver(fx.Context(TransferKind::Normal, true), {&radio});
    ASSERT_EQ(driver.Run(false), LinkOutcome::Success);

    Bytes expected(17, 0);
    expected[0] = 0x80;
    EXPECT_EQ(radio.CountFrames(expected), 1u);
}

TEST_F(Handshake, FloodOfBytesIsDroppedWithoutAnyOtherAction)
{
    LinkEngine engine(fx.Context(TransferKind::Normal, true));
    engine.Start(false);
    Bytes flood(256, 0);
    std::copy(Ident.begin(), Ident.end(), flood.begin());

    const LinkActions dropped = engine.Tick(flood.data(), flood.size());

    EXPECT_TRUE(dropped.purgeReceiveQueue);
    EXPECT_TRUE(dropped.send.empty());
    EXPECT_EQ(dropped.txTimer.action, TimerCommand::Keep);
    EXPECT_EQ(dropped.timeOutTimer.action, TimerCommand::Keep);
    EXPECT_FALSE(dropped.HasProgress());
    EXPECT_EQ(engine.LinkStep(), 0);

    const LinkActions identified = engine.Tick(Ident.data(), Ident.size());
    EXPECT_EQ(engine.LinkStep(), 1) << "the flood left nothing behind";
    EXPECT_EQ(identified.send, std::vector<Frame>{Frame{0x02}});
}

TEST_F(Handshake, LongestFloodThatIsStillReadCountsAsAnswer)
{
    LinkEngine engine(fx.Context(TransferKind::Normal, true));
    engine.Start(false);
    Bytes burst(FloodLimit, 0);
    std::copy(Ident.begin(), Ident.end(), burst.begin());

    engine.Tick(burst.data(), burst.size());

    EXPECT_EQ(engine.LinkStep(), 1);
}

TEST_F(Handshake, EventsAfterTheOutcomeAreIgnored)
{
    LinkEngine engine(fx.Context(TransferKind::Normal, true));
    engine.Start(false);
    ASSERT_EQ(engine.TimeOut().outcome, LinkOutcome::CommunicationFailure);

    const LinkActions late = engine.Tick(Ident.data(), Ident.size());

    EXPECT_TRUE(late.send.empty());
    EXPECT_EQ(late.outcome, LinkOutcome::Running);
    EXPECT_EQ(engine.Outcome(), LinkOutcome::CommunicationFailure);
    EXPECT_EQ(fx.settings.ReadRadioInfo.ModelIdent[0], 0);
}

// A trace keeps the password out of sight only if it is told which bytes carry it, however the
// ticks cut the info answer up.
TEST_F(Handshake, NamesTheBytesThatCarryAPassword)
{
    using Range = std::pair<size_t, size_t>;
    const auto asPair = [](ByteRange r) { return Range{r.first, r.count}; };
    radio.memory.SetPasswordText("2580");
    std::strcpy(reinterpret_cast<char*>(fx.settings.Password), "2580");
    radio.Receive(Hello);
    const Bytes info = radio.Receive(InfoRequest());
    ASSERT_EQ(info.size(), InfoAnswerLength);
    const struct {
        std::vector<size_t> chunks;  // the info answer as the ticks bring it
        std::vector<Range> password;
    } cases[] = {
        {{25}, {{9, 16}}},
        {{9, 16}, {{0, 0}, {0, 16}}},
        {{12, 13}, {{9, 3}, {0, 13}}},
        {{5, 10, 10}, {{0, 0}, {4, 6}, {0, 10}}},
    };
    for (const auto& c : cases) {
        LinkEngine engine(fx.Context(TransferKind::Normal, true));
        engine.Start(false);
        EXPECT_EQ(asPair(engine.PasswordBytesAmong(Ident.size())), Range(0, 0));
        engine.Tick(Ident.data(), Ident.size());
        size_t at = 0;
        for (size_t i = 0; i < c.chunks.size(); ++i) {
            EXPECT_EQ(asPair(engine.PasswordBytesAmong(c.chunks[i])), c.password[i]) << c.chunks.size() << " " << i;
            engine.Tick(info.data() + at, c.chunks[i]);
            at += c.chunks[i];
        }
        EXPECT_EQ(engine.LinkStep(), 2);
        EXPECT_EQ(asPair(engine.PasswordBytesAmong(BandAnswerLength)), Range(0, 0));
    }

    const uint8_t block[16] = {};
    const struct {
        Frame frame;
        Range password;
    } frames[] = {
        {PasswordFrame(PasswordFrameKeep, PasswordPayload{}), {1, 16}},
        {PasswordFrame(PasswordFrameSet, PasswordPayload{}), {1, 16}},
        {HelloFrame(), {0, 0}},
        {InfoRequest(), {0, 0}},
        {WriteFrame(0x4000, block, sizeof block), {0, 0}},
    };
    for (const auto& f : frames)
        EXPECT_EQ(asPair(PasswordBytesOf(f.frame)), f.password) << int(f.frame[0]);
}

}  // namespace
