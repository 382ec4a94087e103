#include "SeriesHandle.h"

#include "files/ProgrammingLog.h"
#include "lang/IdSeriesMessage.h"
#include "lang/Utf8Text.h"
#include "model/IdSeries.h"

namespace {

// What the list shows for a radio that failed before it told its serial number.
constexpr const char* UnknownSerial = "-";

SeriesPlan PlanFor(const RadioSettings& record, const SeriesSetup& setup)
{
    SeriesPlan plan;
    plan.Record = record;
    plan.Band = setup.band;
    plan.Link.FastLink = setup.fastLink;
    plan.Link.AutoSearchPort = false;
    plan.Radios = setup.radios;
    plan.Verify = setup.verify;
    plan.IncreaseIds = setup.increaseIds;
    plan.FileName = setup.fileName;
    return plan;
}

std::string Text(const Message& message, TTeskFuncs::TLangType language) { return MessageUtf8(message, language); }

}

SeriesHandle::SeriesHandle(const RadioSettings& record, const SeriesSetup& setup)
    : setup_(setup), course_(PlanFor(record, setup))
{
}

std::string SeriesHandle::IdsRefusal(TTeskFuncs::TLangType language) const
{
    if (!setup_.increaseIds)
        return "";
    const IdSeriesCheck check = CheckIdSeries(course_.Plan().Record, setup_.radios);
    return check.Ok() ? "" : Text(IdSeriesMessage(check, setup_.radios), language);
}

std::string SeriesHandle::FirstIds(TTeskFuncs::TLangType language) const
{
    const RadioAttempt first = SeriesCourse(course_.Plan()).NextAttempt();
    return Text({MessageId::SeriesFirstIds, {first.PttId, first.Ani}}, language);
}

std::unique_ptr<TransferHandle> SeriesHandle::NextWrite()
{
    attempt_ = course_.NextAttempt();
    TransferSetup setup;
    setup.isRead = false;
    setup.fastLink = setup_.fastLink;
    setup.band = setup_.band;
    setup.wait = course_.NextWait();
    setup.takeRadio = [this](RadioSettings& record) { return course_.TakeRadio(record, attempt_); };
    return std::make_unique<TransferHandle>(course_.NextRecord(), setup);
}

// The list's line and the notice are those of the desktop's dialog; a write the band question
// stopped has no notice, and its line says so.
RadioReport SeriesHandle::RadioEnded(const TransferHandle& write, TransferHandle* readBack,
                                     TTeskFuncs::TLangType language)
{
    const TransferTargets& radio = write.Targets();
    written_ = radio.Settings;
    attempt_.TakeWrite(write.Outcome(), write.PartlyWritten(), radio.Settings, radio.Image);
    if (readBack) {
        // The read's record takes what it brought, the radio's firmware among it.
        readBack->Result();
        attempt_.TakeVerify(readBack->Outcome(), radio.Image, readBack->Targets().Image, readBack->Targets().Settings);
    }
    RadioReport report;
    report.number = attempt_.Number;
    report.serial = attempt_.Serial;
    report.succeeded = attempt_.Succeeded();
    const std::string number = std::to_string(attempt_.Number);
    const std::string serial = attempt_.Serial.empty() ? UnknownSerial : attempt_.Serial;
    if (report.succeeded) {
        report.line = Text({MessageId::SeriesRadioWritten, {number, serial}}, language);
    } else {
        report.notice = readBack ? write.VerifiedNoticeLines(*readBack, "", language) : write.NoticeLines("", language);
        const std::string what =
            report.notice.empty() ? Text({MessageId::SeriesBandRefused}, language) : report.notice.front();
        report.line = Text({MessageId::SeriesRadioFailed, {number, serial, what}}, language);
    }
    report.logLine = ProgrammingLogLine(AttemptLogRow(attempt_, setup_.fileName, LocalIsoTime()));
    lastReport_ = report;
    return report;
}

std::optional<SeriesEnd> SeriesHandle::RadioLogged(bool kept, bool stopRequested)
{
    attempt_.Logged = kept ? FileResult::Success() : FileResult::Failure(FileProblem::CannotSave, "");
    return course_.AttemptEnded(attempt_, written_, stopRequested);
}

std::string SeriesHandle::EndText(SeriesEnd end, TTeskFuncs::TLangType language) const
{
    const std::string written = std::to_string(course_.Written());
    switch (end) {
    case SeriesEnd::AllWritten:
        return Text({MessageId::SeriesAllWritten, {written}}, language);
    case SeriesEnd::IdsRanOut:
        return Text({MessageId::SeriesIdsRanOut, {written}}, language);
    case SeriesEnd::RadioFailed:
        return lastReport_.line;
    case SeriesEnd::LogFailed:
        return Text({MessageId::SeriesLogNotWritten, {Text({MessageId::BrowserStorageRefused}, language)}},
                    language);
    case SeriesEnd::Stopped:
    case SeriesEnd::WaitRanOut:
        break;
    }
    return Text({MessageId::SeriesStopped, {written}}, language);
}
