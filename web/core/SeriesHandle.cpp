#include "SeriesHandle.h"

#include "files/ProgrammingLog.h"
#include "lang/FileMessage.h"
#include "lang/IdSeriesMessage.h"
#include "lang/IdentityTableMessage.h"
#include "lang/Utf8Text.h"
#include "link/SeriesAttemptLine.h"
#include "model/IdSeries.h"

namespace {

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
    plan.CheckOnly = setup.checkOnly;
    plan.FileName = setup.fileName;
    // A table beyond the limit is refused unread, as the desktop refuses the file.
    if (setup.identities && setup.identities->size() <= IdentityTableFileLimit)
        plan.Identities = ReadIdentityTable(*setup.identities);
    plan.IdentitiesRequired = setup.identitiesRequired;
    return plan;
}

std::string Text(const Message& message, TTeskFuncs::TLangType language) { return MessageUtf8(message, language); }

}

SeriesHandle::SeriesHandle(const RadioSettings& record, const SeriesSetup& setup)
    : setup_(setup), job_(std::make_shared<SeriesJob>(PlanFor(record, setup))), course_(job_)
{
    tableTooLarge_ = setup_.identities && setup_.identities->size() > IdentityTableFileLimit;
    // The plan holds the table's rows; its text is of no further use.
    setup_.identities.reset();
    AwaitFirstRadioBesideOthers();
}

SeriesHandle::SeriesHandle(const SeriesHandle& cable, const std::string& port)
    : setup_(cable.setup_), tableTooLarge_(cable.tableTooLarge_), job_(cable.job_), course_(job_)
{
    setup_.port = port;
    AwaitFirstRadioBesideOthers();
}

// As on the desktop: a cable nobody plugs a radio into must not fail a job the others complete.
void SeriesHandle::AwaitFirstRadioBesideOthers()
{
    if (setup_.severalCables)
        course_.AwaitFirstRadio();
}

std::vector<std::string> SeriesHandle::Refusal(TTeskFuncs::TLangType language) const
{
    std::vector<std::string> why;
    if (tableTooLarge_) {
        const FileResult tooLarge = FileResult::WrongSize(FileProblem::TextFileTooLarge, setup_.identitiesFile,
                                                          IdentityTableFileLimit + 1, IdentityTableFileLimit);
        why.push_back(Text(FileMessage(tooLarge), language));
    }
    for (const Message& problem : IdentityTableMessages(course_.Plan().Identities, setup_.identitiesFile))
        why.push_back(Text(problem, language));
    if (setup_.increaseIds) {
        const IdSeriesCheck check = CheckIdSeries(course_.Plan().Record, setup_.radios);
        if (!check.Ok())
            why.push_back(Text(IdSeriesMessage(check, setup_.radios), language));
    }
    return why;
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
    setup.isRead = course_.Plan().CheckOnly;
    setup.fastLink = setup_.fastLink;
    setup.band = setup_.band;
    setup.wait = course_.NextWait();
    radioTaken_ = false;
    setup.takeRadio = [this](RadioSettings& record) { return radioTaken_ = course_.TakeRadio(record, attempt_); };
    return std::make_unique<TransferHandle>(course_.NextRecord(), setup);
}

// A checked radio is read, never written: what it holds is compared with the record instead.
RadioReport SeriesHandle::RadioEnded(TransferHandle& write, TransferHandle* readBack, TTeskFuncs::TLangType language)
{
    const TransferTargets& radio = write.Targets();
    attempt_.Port = setup_.port;
    if (attempt_.Refusal == RadioRefusal::NoIdentityRow) {
        // Let go at the handshake, which told the serial number the log shows.
        attempt_.Outcome = write.Outcome();
    } else if (course_.Plan().CheckOnly) {
        write.Result();
        attempt_.TakeCheck(write.Outcome(), course_.Plan().Record, radio.Settings);
    } else {
        attempt_.TakeWrite(write.Outcome(), write.PartlyWritten(), radio.Settings, radio.Image);
    }
    written_ = radio.Settings;
    if (readBack) {
        // The read's record takes what it brought, the radio's firmware among it.
        readBack->Result();
        attempt_.TakeVerify(readBack->Outcome(), radio.Image, readBack->Targets().Image, readBack->Targets().Settings);
    }
    RadioReport report;
    report.number = attempt_.Number;
    report.serial = attempt_.Serial;
    report.succeeded = attempt_.Succeeded();
    if (!report.succeeded && attempt_.Refusal == RadioRefusal::None)
        report.notice = readBack ? write.VerifiedNoticeLines(*readBack, "", language) : write.NoticeLines("", language);
    report.line = Text(SeriesAttemptLine(attempt_, report.notice.empty() ? std::string() : report.notice.front()), language);
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
        return Text({course_.Plan().CheckOnly ? MessageId::SeriesAllChecked : MessageId::SeriesAllWritten, {written}},
                    language);
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
