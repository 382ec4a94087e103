#include "link/series/SeriesJob.h"

#include <algorithm>
#include <cstring>

#include "model/DtmfDigits.h"
#include "model/IdSeries.h"

SeriesJob::SeriesJob(SeriesPlan plan) : plan_(std::move(plan)) {}

std::optional<SeriesEnd> SeriesJob::Full() const
{
    if (plan_.Radios && taken_ >= *plan_.Radios)
        return SeriesEnd::AllWritten;
    if (plan_.IncreaseIds && taken_ >= IdSeriesCapacity(plan_.Record))
        return SeriesEnd::IdsRanOut;
    return std::nullopt;
}

RadioAttempt SeriesJob::AttemptFor(uint64_t number) const
{
    const RadioSettings record = RecordFor(number);
    RadioAttempt attempt;
    attempt.Number = number;
    attempt.Verified = plan_.Verify && !plan_.CheckOnly;
    attempt.PttId = DtmfText(record.PttId, DtmfCodeCapacity, record.PttIdLength);
    attempt.Ani = DtmfText(record.Ani, DtmfCodeCapacity, record.AniLength);
    return attempt;
}

RadioSettings SeriesJob::RecordFor(uint64_t number) const
{
    RadioSettings record = plan_.Record;
    std::fill(std::begin(record.DeviceSn), std::end(record.DeviceSn), 0);
    record.WriteRadioInfo.BandMin = 0;
    record.WriteRadioInfo.BandMax = 0;
    if (plan_.IncreaseIds && number > 0)
        ApplySeriesIds(record, number - 1);
    return record;
}

// Only the codes change hands: the rest of `record` is the handshake's, which the log reads.
bool SeriesJob::Take(RadioSettings& record, RadioAttempt& attempt)
{
    if (Full())
        return false;
    ++taken_;
    const RadioSettings numbered = RecordFor(taken_);
    std::memcpy(record.PttId, numbered.PttId, sizeof record.PttId);
    record.PttIdLength = numbered.PttIdLength;
    std::memcpy(record.Ani, numbered.Ani, sizeof record.Ani);
    record.AniLength = numbered.AniLength;
    const RadioAttempt numberedAttempt = AttemptFor(taken_);
    attempt.Number = numberedAttempt.Number;
    attempt.PttId = numberedAttempt.PttId;
    attempt.Ani = numberedAttempt.Ani;
    return true;
}

void SeriesJob::Ended(const RadioAttempt& attempt)
{
    if (attempt.Succeeded())
        ++done_;
}
