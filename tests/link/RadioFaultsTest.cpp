#include <gtest/gtest.h>

#include <cstring>

#include "QuickRadio.h"
#include "RadioProcess.h"
#include "RandomRecord.h"
#include "TransferHarness.h"

namespace {

struct FaultCase {
    const char* name;
    RadioArgs faults;
    bool isRead;
    LinkOutcome expected;
};

class FaultyRadio : public testing::TestWithParam<FaultCase> {};

TEST_P(FaultyRadio, EndsInItsOutcomeAndLeavesTheRecordAlone)
{
    const FaultCase& c = GetParam();
    const MemoryImage seed = PackedImage(RandomRecord(11), RadioBand, TransferObjects::Now);
    const MemoryImage before = RadioProcess::MemoryAtStart(QuickRadioWith(c.faults), seed);
    RadioProcess radio(QuickRadioWith(c.faults), &seed);
    TransferObjects objects;
    objects.Settings = RandomRecord(3);
    objects.Band = RadioBand;
    const RadioSettings original = objects.Settings;

    const TransferRun run = RunTransfer(objects.Context(c.isRead), PortChoice::Named(radio.LinkPath()));
    EXPECT_EQ(run.outcome, c.expected);
    EXPECT_TRUE(SameApartFromHandshake(objects.Settings, original));
    if (c.isRead) {
        EXPECT_TRUE(SameRange(radio.StopAndReadMemory(), before, MemoryImageSize));
    }
}

const FaultCase FaultCases[] = {
    {"ForeignIdentification", {"--foreign-ident"}, true, LinkOutcome::CommunicationFailure},
    {"NakToInfoRequest", {"--wrong-first-byte", "1"}, true, LinkOutcome::CommunicationFailure},
    {"NakToPasswordFrame", {"--wrong-first-byte", "2"}, false, LinkOutcome::CommunicationFailure},
    {"NakToABlock", {"--nak-block", "5"}, false, LinkOutcome::CommunicationFailure},
    {"ReadAnswerStartingWithR", {"--read-answer-r"}, true, LinkOutcome::CommunicationFailure},
    {"SilentInTheBlockPhase", {"--hangup-after-blocks", "10"}, true, LinkOutcome::CommunicationFailure},
};

INSTANTIATE_TEST_SUITE_P(Link, FaultyRadio, testing::ValuesIn(FaultCases),
                         [](const testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

struct PasswordCase {
    const char* name;
    const char* radioPassword;  // nullptr: the radio has none
    const char* recordPassword;
    LinkOutcome expected;
};

class RadioPassword : public testing::TestWithParam<PasswordCase> {};

TEST_P(RadioPassword, DecidesWhetherTheWriteHappens)
{
    const PasswordCase& c = GetParam();
    const MemoryImage seed = PackedImage(RandomRecord(5), RadioBand, TransferObjects::Now);
    RadioArgs options = QuickRadio;
    if (c.radioPassword)
        options.insert(options.end(), {"--password", c.radioPassword});
    const MemoryImage before = RadioProcess::MemoryAtStart(options, seed);
    RadioProcess radio(options, &seed);
    TransferObjects objects;
    objects.Settings = RandomRecord(9);
    objects.Band = RadioBand;
    std::memset(objects.Settings.Password, 0, sizeof objects.Settings.Password);
    std::memcpy(objects.Settings.Password, c.recordPassword, std::strlen(c.recordPassword));

    const TransferRun run = RunTransfer(objects.Context(false), PortChoice::Named(radio.LinkPath()));
    EXPECT_EQ(run.outcome, c.expected);
    const bool written = c.expected == LinkOutcome::Success;
    EXPECT_EQ(SameRange(radio.StopAndReadMemory(), before, MemoryImageSize), !written);
}

const PasswordCase PasswordCases[] = {
    {"Right", "kr27", "kr27", LinkOutcome::Success},
    {"Wrong", "kr27", "kr28", LinkOutcome::PasswordError},
    {"MissingFromTheRecord", "kr27", "", LinkOutcome::PasswordError},
    {"RadioWithoutPassword", nullptr, "anything", LinkOutcome::Success},
};

INSTANTIATE_TEST_SUITE_P(Link, RadioPassword, testing::ValuesIn(PasswordCases),
                         [](const testing::TestParamInfo<PasswordCase>& info) { return info.param.name; });

}
