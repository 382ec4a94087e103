#include "link/series/SeriesCourse.h"

#include <algorithm>

SeriesCourse::SeriesCourse(SeriesPlan plan) : SeriesCourse(std::make_shared<SeriesJob>(std::move(plan))) {}

SeriesCourse::SeriesCourse(std::shared_ptr<SeriesJob> job) : job_(std::move(job)) {}

RadioAttempt SeriesCourse::NextAttempt() const { return job_->AttemptFor(job_->Taken() + 1); }

RadioSettings SeriesCourse::NextRecord() const { return job_->RecordFor(job_->Taken() + 1); }

// A failed radio ends the cable's series, so every radio after the first comes after a written one.
RadioWait SeriesCourse::NextWait() const { return RadioWait{awaitsFirst_ || lastSerial_.has_value(), lastSerial_}; }

std::string SeriesCourse::LastSerial() const
{
    return lastSerial_ ? RadioFieldText(lastSerial_->data(), lastSerial_->size()) : std::string();
}

bool SeriesCourse::TakeRadio(RadioSettings& record, RadioAttempt& attempt)
{
    attempt.Refusal = job_->Take(record, attempt);
    return attempt.Refusal == RadioRefusal::None;
}

std::optional<SeriesEnd> SeriesCourse::AttemptEnded(const RadioAttempt& attempt, const RadioSettings& written,
                                                    bool stopRequested)
{
    if (attempt.Refusal == RadioRefusal::JobFull)
        return job_->Full().value_or(SeriesEnd::AllWritten);
    job_->Ended(attempt);
    const bool succeeded = attempt.Succeeded();
    const bool refused = attempt.Refusal == RadioRefusal::NoIdentityRow;
    if (succeeded || refused) {
        SerialNumberBytes serial{};
        std::copy(std::begin(written.DeviceSn), std::end(written.DeviceSn), serial.begin());
        lastSerial_ = serial;
    }
    if (!attempt.Logged.ok)
        return SeriesEnd::LogFailed;
    if (refused)
        return stopRequested ? std::optional<SeriesEnd>(SeriesEnd::Stopped) : job_->Full();
    if (!succeeded)
        return SeriesEnd::RadioFailed;
    if (stopRequested)
        return SeriesEnd::Stopped;
    return job_->Full();
}
