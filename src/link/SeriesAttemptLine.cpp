#include "link/SeriesAttemptLine.h"

namespace {

constexpr const char* UnknownSerial = "-";

}

Message SeriesAttemptLine(const RadioAttempt& attempt, const std::string& failure)
{
    const std::string number = std::to_string(attempt.Number);
    const std::string serial = attempt.Serial.empty() ? UnknownSerial : attempt.Serial;
    if (attempt.Refusal == RadioRefusal::NoIdentityRow)
        return {MessageId::SeriesNoIdentityRow, {serial}};
    if (!attempt.Succeeded()) {
        const MessageArg what = failure.empty() ? MessageArg::Worded(MessageId::SeriesBandRefused) : MessageArg(failure);
        return {MessageId::SeriesRadioFailed, {number, serial, what}};
    }
    if (!attempt.Differences)
        return {MessageId::SeriesRadioWritten, {number, serial}};
    if (*attempt.Differences == 0)
        return {MessageId::SeriesRadioSame, {number, serial}};
    return {MessageId::SeriesRadioDiffers, {number, serial, std::to_string(*attempt.Differences)}};
}
