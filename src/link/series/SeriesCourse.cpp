#include "link/series/SeriesCourse.h"

#include <algorithm>

#include "model/DtmfDigits.h"
#include "model/IdSeries.h"

SeriesCourse::SeriesCourse(SeriesPlan plan) : plan_(std::move(plan)) {}

RadioAttempt SeriesCourse::NextAttempt() const
{
    const RadioSettings record = NextRecord();
    RadioAttempt attempt;
    attempt.Number = written_ + 1;
    attempt.Verified = plan_.Verify;
    attempt.PttId = DtmfText(record.PttId, DtmfCodeCapacity, record.PttIdLength);
    attempt.Ani = DtmfText(record.Ani, DtmfCodeCapacity, record.AniLength);
    return attempt;
}

RadioSettings SeriesCourse::NextRecord() const
{
    RadioSettings record = plan_.Record;
    std::fill(std::begin(record.DeviceSn), std::end(record.DeviceSn), 0);
    record.WriteRadioInfo.BandMin = 0;
    record.WriteRadioInfo.BandMax = 0;
    if (plan_.IncreaseIds)
        ApplySeriesIds(record, written_);
    return record;
}

// A failed radio ends the series, so every radio after the first comes after a written one.
RadioWait SeriesCourse::NextWait() const { return RadioWait{written_ > 0, lastSerial_}; }

std::string SeriesCourse::LastSerial() const
{
    return lastSerial_ ? RadioFieldText(lastSerial_->data(), lastSerial_->size()) : std::string();
}

std::optional<SeriesEnd> SeriesCourse::AttemptEnded(const RadioAttempt& attempt, const RadioSettings& written,
                                                    bool stopRequested)
{
    const bool succeeded = attempt.Succeeded();
    if (succeeded) {
        ++written_;
        SerialNumberBytes serial{};
        std::copy(std::begin(written.DeviceSn), std::end(written.DeviceSn), serial.begin());
        lastSerial_ = serial;
    }
    if (!attempt.Logged.ok)
        return SeriesEnd::LogFailed;
    if (!succeeded)
        return SeriesEnd::RadioFailed;
    if (stopRequested)
        return SeriesEnd::Stopped;
    if (plan_.Radios && written_ >= *plan_.Radios)
        return SeriesEnd::AllWritten;
    if (plan_.IncreaseIds && written_ >= IdSeriesCapacity(plan_.Record))
        return SeriesEnd::IdsRanOut;
    return std::nullopt;
}
