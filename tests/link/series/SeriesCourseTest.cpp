#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "files/Sha256.h"
#include "link/series/SeriesCourse.h"
#include "model/DtmfDigits.h"

namespace {

SeriesPlan PlanFor(const std::string& pttId, const std::string& ani, std::optional<uint64_t> radios,
                   bool increaseIds = true)
{
    SeriesPlan plan;
    StoreDtmfText(pttId, plan.Record.PttId, DtmfCodeCapacity, plan.Record.PttIdLength);
    StoreDtmfText(ani, plan.Record.Ani, DtmfCodeCapacity, plan.Record.AniLength);
    plan.Radios = radios;
    plan.IncreaseIds = increaseIds;
    plan.Verify = true;
    return plan;
}

// The record a radio's write leaves: the serial number its handshake reported, erased flash after it.
RadioSettings WrittenTo(const std::string& serial)
{
    RadioSettings written{};
    std::memset(written.DeviceSn, 0xFF, DeviceSnSize);
    std::memcpy(written.DeviceSn, serial.data(), serial.size());
    return written;
}

RadioAttempt Attempt(LinkOutcome write, LinkOutcome verify = LinkOutcome::Success, size_t differing = 0)
{
    RadioAttempt attempt;
    attempt.Outcome = write;
    attempt.Verified = true;
    attempt.VerifyOutcome = verify;
    attempt.Comparison.differing = differing;
    attempt.Comparison.firstAddress = 0x4123;
    return attempt;
}

const RadioAttempt Written = Attempt(LinkOutcome::Success);

// A radio answers the course's next write and ends as `result` says; returns how the cable goes on.
std::optional<SeriesEnd> RadioComes(SeriesCourse& course, const std::string& serial,
                                    const RadioAttempt& result = Written, bool stop = false)
{
    RadioSettings record = WrittenTo(serial);
    RadioAttempt attempt = course.NextAttempt();
    if (!course.TakeRadio(record, attempt))
        return course.AttemptEnded(attempt, record, stop);
    RadioAttempt ended = result;
    ended.Number = attempt.Number;
    ended.Logged = result.Logged;
    return course.AttemptEnded(ended, record, stop);
}

TEST(SeriesCourse, EachRadioIsWrittenFromItsOwnCopyWithItsOwnCodesAndNoEarlierHandshake)
{
    SeriesPlan plan = PlanFor("0098", "7", 3);
    std::memcpy(plan.Record.DeviceSn, "OLDRADIO", DeviceSnSize);
    plan.Record.WriteRadioInfo.BandMin = 136000000;
    SeriesCourse course(plan);
    const char* const codes[][2] = {{"0098", "7"}, {"0099", "8"}, {"0100", "9"}};
    for (uint64_t n = 0; n < 3; ++n) {
        const RadioAttempt next = course.NextAttempt();
        EXPECT_EQ(next.Number, n + 1);
        EXPECT_EQ(next.PttId, codes[n][0]);
        EXPECT_EQ(next.Ani, codes[n][1]);
        const RadioSettings record = course.NextRecord();
        EXPECT_EQ(DtmfText(record.PttId, DtmfCodeCapacity, record.PttIdLength), codes[n][0]);
        EXPECT_EQ(RadioFieldText(record.DeviceSn, DeviceSnSize), "");
        EXPECT_EQ(record.WriteRadioInfo.BandMin, 0u);
        RadioComes(course, "SN" + std::to_string(n));
    }
    EXPECT_EQ(DtmfText(course.Plan().Record.PttId, DtmfCodeCapacity, course.Plan().Record.PttIdLength), "0098");
}

// The same radio is never written twice: each write after a written radio waits past it, and a
// radio that failed is no reason to wait past it.
TEST(SeriesCourse, TheNextWriteWaitsPastTheRadioWrittenLast)
{
    SeriesCourse course(PlanFor("1", "", std::nullopt, false));
    EXPECT_FALSE(course.NextWait().Waiting);
    EXPECT_EQ(course.LastSerial(), "");

    EXPECT_EQ(RadioComes(course, "1001"), std::nullopt);
    const RadioWait wait = course.NextWait();
    EXPECT_TRUE(wait.Waiting);
    ASSERT_TRUE(wait.PassOver);
    EXPECT_EQ(RadioFieldText(wait.PassOver->data(), DeviceSnSize), "1001");
    EXPECT_EQ(course.LastSerial(), "1001");

    RadioComes(course, "1002", Attempt(LinkOutcome::CommunicationFailure));
    EXPECT_EQ(course.LastSerial(), "1001");
    EXPECT_EQ(course.Written(), 1u);
}

TEST(SeriesCourse, AnAttemptEndsTheSeriesOrLetsItWaitForTheNextRadio)
{
    struct Row {
        const char* name;
        SeriesPlan plan;
        int writtenBefore;
        RadioAttempt attempt;
        bool logged;
        bool stop;
        std::optional<SeriesEnd> end;
        uint64_t written;
    };
    const Row rows[] = {
        {"more to come", PlanFor("10", "", 3), 0, Written, true, false, std::nullopt, 1},
        {"the last asked for", PlanFor("10", "", 3), 2, Written, true, false, SeriesEnd::AllWritten, 3},
        {"stopped between radios", PlanFor("10", "", std::nullopt), 0, Written, true, true, SeriesEnd::Stopped, 1},
        {"the codes' last number", PlanFor("98", "", std::nullopt), 1, Written, true, false, SeriesEnd::IdsRanOut, 2},
        {"codes kept as they are", PlanFor("98", "", std::nullopt, false), 1, Written, true, false, std::nullopt, 2},
        {"a write that failed", PlanFor("10", "", 3), 0, Attempt(LinkOutcome::PasswordError), true, false,
         SeriesEnd::RadioFailed, 0},
        {"read back otherwise", PlanFor("10", "", 3), 0, Attempt(LinkOutcome::Success, LinkOutcome::Success, 2), true,
         false, SeriesEnd::RadioFailed, 0},
        {"a log not written", PlanFor("10", "", 3), 0, Written, false, false, SeriesEnd::LogFailed, 1},
    };
    for (const Row& row : rows) {
        SeriesCourse course(row.plan);
        for (int n = 0; n < row.writtenBefore; ++n)
            RadioComes(course, "SN" + std::to_string(n));
        RadioAttempt attempt = row.attempt;
        if (!row.logged)
            attempt.Logged = FileResult::Failure(FileProblem::CannotSave, "log.csv");
        EXPECT_EQ(RadioComes(course, "NEXT", attempt, row.stop), row.end) << row.name;
        EXPECT_EQ(course.Written(), row.written) << row.name;
    }
}

// Cables working at once number their radios in the order the radios answer, so codes never
// repeat; a cable whose radio comes once the job has all it asked for lets it go and ends.
TEST(SeriesJob, CablesShareTheNumbersAndTheCountOfTheirJob)
{
    auto job = std::make_shared<SeriesJob>(PlanFor("0100", "", 3));
    SeriesCourse first(job), second(job);
    RadioSettings a = WrittenTo("A1"), b = WrittenTo("B1");
    RadioAttempt onFirst = first.NextAttempt(), onSecond = second.NextAttempt();
    ASSERT_TRUE(second.TakeRadio(b, onSecond));
    ASSERT_TRUE(first.TakeRadio(a, onFirst));
    EXPECT_EQ(onSecond.Number, 1u);
    EXPECT_EQ(onSecond.PttId, "0100");
    EXPECT_EQ(DtmfText(b.PttId, DtmfCodeCapacity, b.PttIdLength), "0100");
    EXPECT_EQ(RadioFieldText(b.DeviceSn, DeviceSnSize), "B1") << "the handshake's serial number stays";
    EXPECT_EQ(onFirst.Number, 2u);
    EXPECT_EQ(DtmfText(a.PttId, DtmfCodeCapacity, a.PttIdLength), "0101");

    onFirst.Outcome = onSecond.Outcome = LinkOutcome::Success;
    onFirst.VerifyOutcome = onSecond.VerifyOutcome = LinkOutcome::Success;
    EXPECT_EQ(first.AttemptEnded(onFirst, a, false), std::nullopt);
    EXPECT_EQ(second.AttemptEnded(onSecond, b, false), std::nullopt);
    EXPECT_EQ(RadioComes(first, "A2"), SeriesEnd::AllWritten);
    EXPECT_EQ(job->Done(), 3u);

    RadioSettings late = WrittenTo("B2");
    RadioAttempt untaken = second.NextAttempt();
    EXPECT_FALSE(second.TakeRadio(late, untaken));
    EXPECT_EQ(untaken.Refusal, RadioRefusal::JobFull);
    EXPECT_EQ(DtmfText(late.PttId, DtmfCodeCapacity, late.PttIdLength), "") << "nothing numbered it";
    EXPECT_EQ(second.AttemptEnded(untaken, late, false), SeriesEnd::AllWritten);
    EXPECT_EQ(job->Done(), 3u);
}

// The job ends as its gravest cable did, whichever cable that was.
TEST(SeriesJob, AJobOnSeveralCablesEndsAsItsGravestCable)
{
    using E = SeriesEnd;
    const struct {
        std::vector<SeriesEnd> cables;
        SeriesEnd job;
    } cases[] = {
        {{E::AllWritten, E::Stopped, E::RadioFailed, E::LogFailed}, E::LogFailed},
        {{E::Stopped, E::RadioFailed, E::WaitRanOut}, E::RadioFailed},
        {{E::AllWritten, E::WaitRanOut, E::Stopped}, E::AllWritten},
        {{E::Stopped, E::WaitRanOut}, E::WaitRanOut},
        {{E::IdsRanOut, E::Stopped}, E::IdsRanOut},
        {{}, E::Stopped},
    };
    for (const auto& each : cases)
        EXPECT_EQ(GroupEnd(each.cables), each.job) << each.cables.size() << " cables";
}

TEST(RadioAttempt, OutcomeAndVerifyWordsAsTheLogKeepsThem)
{
    struct Row {
        RadioAttempt attempt;
        bool partly;
        const char* outcome;
        const char* verify;
        bool succeeded;
    };
    RadioAttempt unverified = Written;
    unverified.Verified = false;
    const Row rows[] = {
        {Written, false, "written", "match", true},
        {unverified, false, "written", "", true},
        {Attempt(LinkOutcome::Success, LinkOutcome::CommunicationFailure), false, "written", "read failed", false},
        {Attempt(LinkOutcome::Success, LinkOutcome::Success, 3), false, "written", "mismatch from 0x4123, 3 bytes",
         false},
        {Attempt(LinkOutcome::PasswordError), false, "password error", "", false},
        {Attempt(LinkOutcome::Closed), false, "band refused", "", false},
        {Attempt(LinkOutcome::CommunicationFailure), false, "communication failure", "", false},
        {Attempt(LinkOutcome::CommunicationFailure), true, "communication failure, partly written", "", false},
    };
    for (const Row& row : rows) {
        RadioAttempt attempt = row.attempt;
        attempt.PartlyWritten = row.partly;
        EXPECT_EQ(attempt.OutcomeWords(), row.outcome);
        EXPECT_EQ(attempt.VerifyWords(), row.verify) << row.outcome;
        EXPECT_EQ(attempt.Succeeded(), row.succeeded) << row.outcome << " " << row.verify;
    }
}

// What the log row holds of a radio comes from that radio's write and verifying read.
TEST(RadioAttempt, TheLogRowTellsTheRadioItsBandFirmwareAndTheHashOfWhatWasSent)
{
    MemoryImage sent{};
    sent[0] = 0x42;
    RadioSettings written = WrittenTo("SN7");
    written.WriteRadioInfo.BandMin = 400000000;
    written.WriteRadioInfo.BandMax = 470000000;
    RadioSettings read{};
    std::memcpy(read.SoftwareVersion, "V1.02\x1b", 6);
    RadioAttempt attempt;
    attempt.Verified = true;
    attempt.TakeWrite(LinkOutcome::Success, false, written, sent);
    attempt.TakeVerify(LinkOutcome::Success, sent, sent, read);

    const ProgrammingLogRow row = AttemptLogRow(attempt, "", "2026-12-08T09:30:12+01:00");
    EXPECT_EQ(row.Serial, "SN7");
    EXPECT_EQ(row.Firmware, "V1.02\\x1b");
    EXPECT_EQ(row.BandMin, 400000000u);
    EXPECT_EQ(row.BandMax, 470000000u);
    EXPECT_EQ(row.RecordSha256, Sha256Hex(sent.data(), VerifiedSpan));
    EXPECT_EQ(row.File, UnsavedRecordFile);
    EXPECT_EQ(row.Verify, "match");

    attempt.TakeWrite(LinkOutcome::CommunicationFailure, true, written, sent);
    EXPECT_EQ(attempt.RecordSha256, "") << "nothing whole was sent";
}

}  // namespace
