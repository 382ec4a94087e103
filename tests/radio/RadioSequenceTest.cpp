#include <gtest/gtest.h>

#include "radio/RadioSequence.h"

namespace {

using Clock = RadioSequence::Clock;
using std::chrono::milliseconds;

constexpr int SilenceMs = 300;
constexpr int IdleMs = 500;

std::string Serial(const RadioMemory& memory)
{
    const std::vector<uint8_t> bytes = memory.SerialNumber();
    return std::string(bytes.begin(), std::find(bytes.begin(), bytes.end(), 0));
}

struct TurnCase {
    int sessionsPerRadio;
    size_t nextRadios;
};

class RadioTurns : public ::testing::TestWithParam<TurnCase> {};

// Each radio answers its sessions, then the line is silent for the swap, then the next one answers
// with its own serial on a copy of the first; after the last the silence never ends.
TEST_P(RadioTurns, EndWithTheLastSessionAndSwapAfterTheSilence)
{
    RadioMemory first;
    first.SetSerialNumber("100");
    first.SetFirmware("V9");
    std::vector<NextRadio> next;
    for (size_t i = 0; i < GetParam().nextRadios; ++i)
        next.push_back({std::to_string(200 + i), {}});
    RadioSequence sequence(next, first, GetParam().sessionsPerRadio, SilenceMs);
    Clock::time_point now{};
    for (size_t radio = 0; radio <= next.size(); ++radio) {
        for (int session = 0; session < GetParam().sessionsPerRadio; ++session) {
            ASSERT_FALSE(sequence.Silent()) << "radio " << radio << " session " << session;
            sequence.SessionEnded(now);
        }
        ASSERT_TRUE(sequence.Silent());
        if (radio == next.size())
            break;
        EXPECT_EQ(sequence.WaitMs(now, IdleMs), SilenceMs);
        EXPECT_FALSE(sequence.TakeNextRadio(now + milliseconds(SilenceMs - 1)));
        now += milliseconds(SilenceMs);
        const std::optional<RadioOnLine> onLine = sequence.TakeNextRadio(now);
        ASSERT_TRUE(onLine);
        EXPECT_EQ(Serial(onLine->Memory), next[radio].Serial);
        EXPECT_EQ(onLine->Memory.Read(RadioMemory::FirmwareAddress, 2), (std::vector<uint8_t>{'V', '9'}));
    }
    EXPECT_EQ(sequence.WaitMs(now, IdleMs), IdleMs);
    EXPECT_FALSE(sequence.TakeNextRadio(now + std::chrono::hours(1)));
}

INSTANTIATE_TEST_SUITE_P(Sequences, RadioTurns,
                         ::testing::Values(TurnCase{1, 1}, TurnCase{1, 3}, TurnCase{2, 2}, TurnCase{3, 1}));

TEST(RadioSequence, ASingleRadioNeverFallsSilent)
{
    RadioSequence sequence({}, RadioMemory(), 1, SilenceMs);
    for (int session = 0; session < 3; ++session)
        sequence.SessionEnded(Clock::now());
    EXPECT_FALSE(sequence.Silent());
    EXPECT_EQ(sequence.WaitMs(Clock::now(), IdleMs), IdleMs);
}

}
