#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "SimulatedDriver.h"
#include "link/engine/Frames.h"
#include "model/ByteOrder.h"

namespace {

std::vector<uint16_t> AddressesFrom(uint16_t first, uint16_t last)
{
    std::vector<uint16_t> addresses;
    for (unsigned a = first; a <= last; a += 16)
        addresses.push_back(uint16_t(a));
    return addresses;
}

using BlockPhase = LinkEngineTest;

TEST_F(BlockPhase, NormalWriteSendsFortyEightBlocksThenOneEnd)
{
    SimulatedDriver driver(fx.Context(TransferKind::Normal, false), {&radio});

    ASSERT_EQ(driver.Run(false), LinkOutcome::Success);

    EXPECT_EQ(radio.BlockAddresses('W'), AddressesFrom(0x4000, 0x42F0));
    for (const Bytes& frame : radio.Received()) {
        if (frame[0] == 'W') {
            EXPECT_EQ(frame.size(), 20u);
        }
    }
    EXPECT_EQ(radio.Received().back(), Bytes{'E'});
    EXPECT_EQ(radio.CountStartingWith('E'), 1u);
}

TEST_F(BlockPhase, NormalWriteLeavesThePackedImageInTheRadio)
{
    fx.settings.SetChannelUsed(3, true);
    fx.settings.Channel[3].RxFreq = 438500000;
    fx.settings.Sql = 7;
    SimulatedDriver driver(fx.Context(TransferKind::Normal, false), {&radio});

    ASSERT_EQ(driver.Run(false), LinkOutcome::Success);

    MemoryImage expected;
    RadioSettings copy = fx.settings;
    GetDataForWrite(copy, fx.band, TransferFixture::PackTime, expected);
    EXPECT_EQ(radio.MemoryRange(0x4000, 0x300), Bytes(expected.begin(), expected.begin() + 0x300));
}

TEST_F(BlockPhase, NormalReadRequestsFiftyBlocks)
{
    SimulatedDriver driver(fx.Context(TransferKind::Normal, true), {&radio});

    ASSERT_EQ(driver.Run(false), LinkOutcome::Success);

    EXPECT_EQ(radio.BlockAddresses('R'), AddressesFrom(0x4000, 0x4310));
    EXPECT_EQ(radio.CountStartingWith('W'), 0u);
    EXPECT_EQ(radio.Received().back(), Bytes{'E'});
}

TEST_F(BlockPhase, WriteProgressPassesNinetySevenBeforeItIsFull)
{
    SimulatedDriver driver(fx.Context(TransferKind::Normal, false), {&radio});
    ASSERT_EQ(driver.Run(false), LinkOutcome::Success);

    const std::vector<int>& p = driver.progress;
    ASSERT_GE(p.size(), 3u);
    EXPECT_EQ(p.back(), 100);
    EXPECT_EQ(p[p.size() - 2], 97);
    EXPECT_TRUE(std::is_sorted(p.begin(), p.end()));
}

TEST_F(BlockPhase, ReadProgressNeverLeavesTheBarsRange)
{
    SimulatedDriver driver(fx.Context(TransferKind::Normal, true), {&radio});
    ASSERT_EQ(driver.Run(false), LinkOutcome::Success);

    EXPECT_TRUE(std::is_sorted(driver.progress.begin(), driver.progress.end()));
    EXPECT_EQ(driver.progress.front(), 1);
    EXPECT_EQ(driver.progress.back(), 100);
}

TEST_F(BlockPhase, BlocksMoveAtTenMillisecondTicks)
{
    SimulatedDriver driver(fx.Context(TransferKind::Normal, true), {&radio});
    ASSERT_EQ(driver.Run(false), LinkOutcome::Success);

    // Hello, ident, info and band answers on the 1 s ticks, then one block per 10 ms tick.
    EXPECT_EQ(driver.endedAtMs, 3000 + 50 * 10);
}

TEST_F(BlockPhase, ReadAnswerStartingWithRFails)
{
    radio.faults.ReadAnswerR = true;
    SimulatedDriver driver(fx.Context(TransferKind::Normal, true), {&radio});

    EXPECT_EQ(driver.Run(false), LinkOutcome::CommunicationFailure);
    EXPECT_EQ(radio.CountStartingWith('R'), 1u);
    EXPECT_EQ(radio.CountStartingWith('E'), 0u);
}

TEST_F(BlockPhase, AckOtherThanSixFails)
{
    radio.faults.NakBlock = 1;
    SimulatedDriver driver(fx.Context(TransferKind::Normal, false), {&radio});

    EXPECT_EQ(driver.Run(false), LinkOutcome::CommunicationFailure);
    EXPECT_EQ(radio.CountStartingWith('W'), 1u);
}

class OverlongBlockAnswer : public BlockPhase, public ::testing::WithParamInterface<bool> {};

TEST_P(OverlongBlockAnswer, IsNeverTakenAndRunsIntoTheTimeOut)
{
    const bool isRead = GetParam();
    radio.faults.LongBlockAnswers = true;
    SimulatedDriver driver(fx.Context(TransferKind::Normal, isRead), {&radio});

    EXPECT_EQ(driver.Run(false), LinkOutcome::CommunicationFailure);

    EXPECT_EQ(driver.endedAtMs - driver.lastTimeOutStartMs, 5000);
    EXPECT_EQ(radio.CountStartingWith(isRead ? 'R' : 'W'), 1u);
    EXPECT_EQ(radio.CountStartingWith('E'), 0u);
}

INSTANTIATE_TEST_SUITE_P(Blocks, OverlongBlockAnswer, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "Read" : "Write"); });

TEST_F(BlockPhase, RadioFallingSilentEndsFiveSecondsAfterItsLastAnswer)
{
    radio.faults.HangupAfterBlocks = 10;
    SimulatedDriver driver(fx.Context(TransferKind::Normal, true), {&radio});

    EXPECT_EQ(driver.Run(false), LinkOutcome::CommunicationFailure);
    EXPECT_EQ(driver.endedAtMs - driver.lastTimeOutStartMs, 5000);
    EXPECT_EQ(radio.CountStartingWith('R'), 11u);
}

TEST_F(BlockPhase, FailedReadLeavesTheRecordAsItWasButForTheHandshake)
{
    fx.settings.SetChannelUsed(5, true);
    fx.settings.Channel[5].TxFreq = 145500000;
    std::memcpy(fx.settings.SoftwareVersion, "V9", 3);
    std::fill(radio.At(0x4000), radio.At(0x4320), uint8_t(0x5A));
    radio.faults.HangupAfterBlocks = 49;
    const RadioSettings before = fx.settings;
    const BandLimits bandBefore = fx.band;
    SimulatedDriver driver(fx.Context(TransferKind::Normal, true), {&radio});

    ASSERT_EQ(driver.Run(false), LinkOutcome::CommunicationFailure);
    driver.engine.ApplyResult();

    EXPECT_TRUE(SameBytes(WithoutHandshakeFields(fx.settings), WithoutHandshakeFields(before)));
    EXPECT_EQ(fx.band, bandBefore);
}

TEST_F(BlockPhase, ReadTouchesTheRecordOnlyWhenTheResultIsApplied)
{
    std::fill(radio.At(0x4000), radio.At(0x4020), uint8_t(0));
    *radio.At(0x4000) = 0x02;  // channel 1 in use
    std::memcpy(radio.At(0x430C), "87654321", 8);
    PutBe32(radio.At(0x4155), 136000000);
    PutBe32(radio.At(0x4159), 174000000);
    const RadioSettings before = fx.settings;
    SimulatedDriver driver(fx.Context(TransferKind::Normal, true), {&radio});

    ASSERT_EQ(driver.Run(false), LinkOutcome::Success);
    EXPECT_TRUE(SameBytes(WithoutHandshakeFields(fx.settings), WithoutHandshakeFields(before)));

    driver.engine.ApplyResult();
    EXPECT_TRUE(fx.settings.IsChannelUsed(1));
    EXPECT_EQ(Bytes(fx.settings.DeviceSn, fx.settings.DeviceSn + 8), Bytes({'8', '7', '6', '5', '4', '3', '2', '1'}));
    EXPECT_EQ(fx.band, (BandLimits{136000000, 174000000}));
}

struct FailedWriteCase {
    const char* name;
    void (*fault)(SimulatedRadio&);
    LinkOutcome outcome;
};

// Each fault also with the fast link: it must end the same way.
class FailedWrite : public BlockPhase, public ::testing::WithParamInterface<std::tuple<FailedWriteCase, bool>> {};

TEST_P(FailedWrite, LeavesTheRecordAsItWasButForTheHandshake)
{
    const auto& [fault, fastLink] = GetParam();
    fx.link.FastLink = fastLink;
    fx.settings.SetChannelUsed(2, true);
    fx.settings.Channel[2].RxFreq = 438500000;
    std::memcpy(fx.settings.SoftwareVersion, "V9", 3);
    // As every record holds them once it has been packed; packing numbers the entries.
    for (unsigned k = 1; k <= AddrBookEntryCount; ++k)
        fx.settings.Entry(k).EntryNumber = uint8_t(k);
    const RadioSettings before = fx.settings;
    const BandLimits bandBefore = fx.band;
    fault.fault(radio);
    SimulatedDriver driver(fx.Context(TransferKind::Normal, false), {&radio});
    driver.continueAtBandQuestion = false;

    ASSERT_EQ(driver.Run(false), fault.outcome);
    driver.engine.ApplyResult();

    EXPECT_TRUE(SameBytes(WithoutHandshakeFields(fx.settings), WithoutHandshakeFields(before)));
    EXPECT_EQ(fx.band, bandBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FailedWrite,
    ::testing::Combine(
        ::testing::Values(
            FailedWriteCase{"FallsSilent", [](SimulatedRadio& r) { r.faults.HangupAfterBlocks = 5; },
                            LinkOutcome::CommunicationFailure},
            FailedWriteCase{"Nak", [](SimulatedRadio& r) { r.faults.NakBlock = 1; }, LinkOutcome::CommunicationFailure},
            FailedWriteCase{"BandQuestionCancelled",
                            [](SimulatedRadio& r) { r.memory.SetBand({136000000, 174000000}); }, LinkOutcome::Closed},
            FailedWriteCase{"ForeignIdent", [](SimulatedRadio& r) { r.faults.ForeignIdent = true; },
                            LinkOutcome::CommunicationFailure},
            FailedWriteCase{"LongBandAnswer", [](SimulatedRadio& r) { r.faults.LongBandAnswer = true; },
                            LinkOutcome::CommunicationFailure},
            FailedWriteCase{"LongBlockAnswers", [](SimulatedRadio& r) { r.faults.LongBlockAnswers = true; },
                            LinkOutcome::CommunicationFailure},
            FailedWriteCase{"WrongInfoAck", [](SimulatedRadio& r) { r.faults.WrongFirstByteStep = 1; },
                            LinkOutcome::CommunicationFailure},
            FailedWriteCase{"SilentAfterIdent", [](SimulatedRadio& r) { r.faults.SilentFromStep = 1; },
                            LinkOutcome::CommunicationFailure},
            FailedWriteCase{"WrongPassword", [](SimulatedRadio& r) { r.memory.SetPasswordText("secret"); },
                            LinkOutcome::PasswordError}),
        ::testing::Bool()),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "Fast" : "");
    });

struct BandCase {
    const char* name;
    bool isRead;
    BandLimits radioBand;
    bool answer;
    int questions;
    LinkOutcome outcome;
    size_t blocks;
};

class BandQuestion : public BlockPhase, public ::testing::WithParamInterface<BandCase> {};

TEST_P(BandQuestion, IsAskedOnlyForWritesToARadioOfAnotherBand)
{
    const BandCase& c = GetParam();
    radio.memory.SetBand(c.radioBand);
    SimulatedDriver driver(fx.Context(TransferKind::Normal, c.isRead), {&radio});
    driver.continueAtBandQuestion = c.answer;

    EXPECT_EQ(driver.Run(false), c.outcome);

    EXPECT_EQ(driver.bandQuestions, c.questions);
    EXPECT_EQ(radio.CountStartingWith(c.isRead ? 'R' : 'W'), c.blocks);
    EXPECT_EQ(radio.CountStartingWith('E'), c.outcome == LinkOutcome::Success ? 1u : 0u);
}

const BandLimits SameBand{400000000, 470000000};
const BandLimits OtherBand{136000000, 174000000};
const BandLimits OtherTop{400000000, 480000000};

INSTANTIATE_TEST_SUITE_P(Bands, BandQuestion,
                         ::testing::Values(BandCase{"SameBand", false, SameBand, false, 0, LinkOutcome::Success, 48},
                                           BandCase{"Continue", false, OtherBand, true, 1, LinkOutcome::Success, 48},
                                           BandCase{"Cancel", false, OtherBand, false, 1, LinkOutcome::Closed, 0},
                                           BandCase{"CancelTop", false, OtherTop, false, 1, LinkOutcome::Closed, 0},
                                           BandCase{"Read", true, OtherBand, false, 0, LinkOutcome::Success, 50}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BlockPhase, BandQuestionHaltsBothTimersUntilAnswered)
{
    radio.memory.SetBand(OtherBand);
    LinkEngine engine(fx.Context(TransferKind::Normal, false));
    engine.Start(false);
    const auto feed = [&](const Frame& frame) {
        const Bytes answer = radio.Receive(frame);
        return engine.Tick(answer.data(), answer.size());
    };
    LinkActions actions = feed(HelloFrame());
    actions = feed(actions.send.at(0));
    actions = feed(actions.send.at(0));

    ASSERT_TRUE(actions.askBandQuestion);
    EXPECT_EQ(actions.txTimer, TimerCommand::Halt());
    EXPECT_EQ(actions.timeOutTimer, TimerCommand::Halt());
    EXPECT_TRUE(actions.send.empty());

    const LinkActions goOn = engine.BandQuestionAnswered(true);
    EXPECT_EQ(goOn.txTimer, TimerCommand::StartEvery(10));
    EXPECT_EQ(goOn.timeOutTimer, TimerCommand::StartEvery(5000));
    ASSERT_EQ(goOn.send.size(), 1u);
    EXPECT_EQ(goOn.send[0][0], 'W');
}

// A transfer cannot even be set up without the bytes it would move.
static_assert(!std::is_default_constructible_v<TransferContext>);

}  // namespace
