#include "link/series/SeriesJob.h"

#include <algorithm>
#include <cstring>

#include "files/IdentityTable.h"
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

// Only the codes and password change hands: the rest of `record` is the handshake's, which the
// log reads.
RadioRefusal SeriesJob::Take(RadioSettings& record, RadioAttempt& attempt)
{
    if (Full())
        return RadioRefusal::JobFull;
    attempt.Serial = RadioFieldText(record.DeviceSn, DeviceSnSize);
    // Slots count the radios as they come, those let go for having no row among them, so that the
    // next radio after one without a row gets the next row.
    const uint64_t slot = ++arrived_;
    const uint64_t number = taken_ + 1;
    const IdentityRow* row = IdentityRowForRadio(plan_.Identities, slot, attempt.Serial);
    if (!row && plan_.IdentitiesRequired)
        return RadioRefusal::NoIdentityRow;
    taken_ = number;
    const RadioSettings numbered = RecordFor(number);
    std::memcpy(record.PttId, numbered.PttId, sizeof record.PttId);
    record.PttIdLength = numbered.PttIdLength;
    std::memcpy(record.Ani, numbered.Ani, sizeof record.Ani);
    record.AniLength = numbered.AniLength;
    if (row) {
        ApplyIdentityRow(*row, record);
        attempt.IdsRow = std::to_string(row->line);
    }
    attempt.Number = number;
    attempt.Taken = true;
    attempt.PttId = DtmfText(record.PttId, DtmfCodeCapacity, record.PttIdLength);
    attempt.Ani = DtmfText(record.Ani, DtmfCodeCapacity, record.AniLength);
    return RadioRefusal::None;
}

void SeriesJob::Ended(const RadioAttempt& attempt)
{
    if (attempt.Succeeded())
        ++done_;
}

// Only a full job ends a cable as AllWritten or IdsRanOut, so such an end says the job is done,
// whatever a cable that waited in vain or was stopped meanwhile says.
SeriesEnd GroupEnd(const std::vector<SeriesEnd>& ends)
{
    for (SeriesEnd gravest : {SeriesEnd::LogFailed, SeriesEnd::RadioFailed, SeriesEnd::AllWritten, SeriesEnd::IdsRanOut,
                              SeriesEnd::WaitRanOut})
        if (std::find(ends.begin(), ends.end(), gravest) != ends.end())
            return gravest;
    return SeriesEnd::Stopped;
}
