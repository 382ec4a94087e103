#include <emscripten/bind.h>

#include <optional>
#include <vector>

#include "JsValues.h"
#include "NamedTexts.h"
#include "PageLanguage.h"
#include "RecordHandle.h"
#include "SeriesHandle.h"
#include "TransferHandle.h"
#include "files/BackupStore.h"
#include "files/ProgrammingLog.h"
#include "lang/TextEntries.h"
#include "lang/Utf8Text.h"

// The dealer's work in the page: a series of radios with its programming log, and the backups of
// every transfer, named by radio and time as the desktop's backup store names its files.

using emscripten::val;

namespace {

std::vector<std::string> TextsFrom(const val& array) { return emscripten::vecFromJSArray<std::string>(array); }

constexpr SeriesEnd Ends[] = {SeriesEnd::AllWritten, SeriesEnd::Stopped,   SeriesEnd::RadioFailed,
                               SeriesEnd::IdsRanOut,  SeriesEnd::WaitRanOut, SeriesEnd::LogFailed};

const char* EndName(SeriesEnd end)
{
    switch (end) {
    case SeriesEnd::AllWritten:
        return "allWritten";
    case SeriesEnd::Stopped:
        return "stopped";
    case SeriesEnd::RadioFailed:
        return "radioFailed";
    case SeriesEnd::IdsRanOut:
        return "idsRanOut";
    case SeriesEnd::WaitRanOut:
        return "waitRanOut";
    case SeriesEnd::LogFailed:
        break;
    }
    return "logFailed";
}

// The series

// options: radios (0: until stopped), verify, increaseIds, checkOnly, fastLink, bandMin, bandMax,
// fileName, ports (the cables' names in the log: this series is on the first; anotherCable makes the
// others); identities (the table's bytes, or null: none), identitiesFile, identitiesRequired.
SeriesHandle* NewSeries(const RecordHandle& record, const val& options)
{
    SeriesSetup setup;
    if (const unsigned radios = options["radios"].as<unsigned>(); radios > 0)
        setup.radios = radios;
    setup.verify = options["verify"].as<bool>();
    setup.increaseIds = options["increaseIds"].as<bool>();
    setup.checkOnly = options["checkOnly"].as<bool>();
    if (const val table = options["identities"]; !table.isNull() && !table.isUndefined()) {
        const std::vector<uint8_t> bytes = emscripten::convertJSArrayToNumberVector<uint8_t>(table);
        setup.identities = std::string(bytes.begin(), bytes.end());
    }
    setup.identitiesFile = options["identitiesFile"].as<std::string>();
    setup.identitiesRequired = options["identitiesRequired"].as<bool>();
    setup.port = options["ports"][0].as<std::string>();
    setup.severalCables = options["ports"]["length"].as<unsigned>() > 1;
    setup.fastLink = options["fastLink"].as<bool>();
    setup.band = BandLimits{options["bandMin"].as<uint32_t>(), options["bandMax"].as<uint32_t>()};
    setup.fileName = options["fileName"].as<std::string>();
    return new SeriesHandle(record.Settings(), setup);
}

val Refusal(const SeriesHandle& series, int language) { return TextArray(series.Refusal(PageLanguage(language))); }
std::string FirstIds(const SeriesHandle& series, int language) { return series.FirstIds(PageLanguage(language)); }
TransferHandle* NextWrite(SeriesHandle& series) { return series.NextWrite().release(); }
double RadioNumber(const SeriesHandle& series) { return double(series.RadioNumber()); }
double Written(const SeriesHandle& series) { return double(series.Written()); }
double MostRadios() { return double(SeriesMostRadios); }
double TableFileLimit() { return double(IdentityTableFileLimit); }

val RadioEnded(SeriesHandle& series, TransferHandle& write, TransferHandle* readBack, int language)
{
    const RadioReport report = series.RadioEnded(write, readBack, PageLanguage(language));
    val object = val::object();
    object.set("number", double(report.number));
    object.set("serial", report.serial);
    object.set("succeeded", report.succeeded);
    object.set("line", report.line);
    object.set("notice", TextArray(report.notice));
    object.set("logLine", report.logLine);
    return object;
}

// "" while the series goes on, else how it ended.
std::string RadioLogged(SeriesHandle& series, bool kept, bool stopRequested)
{
    const std::optional<SeriesEnd> end = series.RadioLogged(kept, stopRequested);
    return end ? EndName(*end) : "";
}

std::optional<SeriesEnd> EndNamed(const std::string& name)
{
    for (SeriesEnd each : Ends)
        if (name == EndName(each))
            return each;
    return std::nullopt;
}

std::string EndText(const SeriesHandle& series, const std::string& end, int language)
{
    const std::optional<SeriesEnd> named = EndNamed(end);
    return named ? series.EndText(*named, PageLanguage(language)) : "";
}

SeriesHandle* AnotherCable(const SeriesHandle& series, const std::string& port) { return new SeriesHandle(series, port); }
std::string EndBeforeRadio(const SeriesHandle& series) { return EndName(series.EndBeforeRadio()); }

// How a job on several cables ended, from each cable's end by name.
std::string JobEnd(const val& cableEnds)
{
    std::vector<SeriesEnd> ends;
    for (const std::string& name : TextsFrom(cableEnds))
        if (const std::optional<SeriesEnd> end = EndNamed(name))
            ends.push_back(*end);
    return EndName(GroupEnd(ends));
}

std::string ProgrammingLogCsv(const val& lines) { return ProgrammingLogText(TextsFrom(lines)); }

// Backups

// What a transfer leaves as its backup, as the desktop keeps it: after a read the record it
// brought and the image it came in, after a write that reached the blocks the record it sent,
// under the radio's serial number and the local time; null when there is nothing to keep.
val TransferBackup(TransferHandle& transfer, bool read)
{
    const bool kept = read ? transfer.Outcome() == LinkOutcome::Success
                           : transfer.Outcome() == LinkOutcome::Success || transfer.PartlyWritten();
    if (!kept)
        return val::null();
    if (read)
        transfer.Result();
    const TransferTargets& targets = transfer.Targets();
    val files = val::array();
    for (const BackupFile& file : RecordBackupFiles(targets.Settings, read ? &targets.Image : nullptr)) {
        val entry = val::object();
        entry.set("extension", std::string(file.extension));
        entry.set("bytes", ByteArray(file.data, file.size));
        files.call<void>("push", entry);
    }
    val backup = val::object();
    backup.set("folder", BackupFolderName(targets.Settings.DeviceSn));
    backup.set("base", BackupBaseName(LocalBackupMoment(), read ? BackupDirection::Read : BackupDirection::Write));
    backup.set("files", files);
    return backup;
}

std::string FreeBase(const std::string& base, const std::string& extension, const val& taken)
{
    const std::vector<std::string> names = TextsFrom(taken);
    return FreeBackupBase(base, extension, [&names](const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    });
}

std::string UnknownFolder() { return UnknownRadioFolder; }

std::string FolderTitle(const std::string& folder, int language)
{
    const TTeskFuncs::TLangType spoken = PageLanguage(language);
    if (folder == UnknownRadioFolder)
        return MessageUtf8({MessageId::BackupsOfUnknownRadio}, spoken);
    return MessageUtf8({MessageId::BackupsOfRadio, {folder}}, spoken);
}

// The words of the series dialog and the backups, by name: the desktop's where it has them.
constexpr NamedText DealerTexts[] = {
    {"WriteSeveralRadios", MessageId::WriteSeveralRadios},
    {"SeriesRadioCount", MessageId::SeriesRadioCount},
    {"SeriesUntilStopped", MessageId::SeriesUntilStopped},
    {"VerifyAfterWriting", MessageId::VerifyAfterWriting},
    {"SeriesIncreaseIds", MessageId::SeriesIncreaseIds},
    {"SeriesStop", MessageId::SeriesStop},
    {"SeriesSameRadioAgain", MessageId::SeriesSameRadioAgain},
    {"SeriesClose", MessageId::SeriesClose},
    {"SeriesWaiting", MessageId::SeriesWaiting},
    {"SeriesWriting", MessageId::SeriesWriting},
    {"SeriesRadioDone", MessageId::SeriesRadioDone},
    {"SeriesSameRadio", MessageId::SeriesSameRadio},
    {"Verifying", MessageId::Verifying},
    {"TransferStatusName", MessageId::TransferStatusName},
    {"SeriesOutcomeListName", MessageId::SeriesOutcomeListName},
    {"DownloadProgrammingLog", MessageId::DownloadProgrammingLog},
    {"OpenBackup", MessageId::OpenBackup},
    {"RestoreBackup", MessageId::RestoreBackup},
    {"DownloadFile", MessageId::DownloadFile},
};

// `args` fill the message's %1, %2, ...
std::string DealerText(const std::string& name, const val& args, int language)
{
    const std::vector<std::string> texts = TextsFrom(args);
    return NamedTextIn(DealerTexts, name, PageLanguage(language), {texts.begin(), texts.end()});
}

}

EMSCRIPTEN_BINDINGS(kr_t27_dealer)
{
    using emscripten::allow_raw_pointers;
    using emscripten::class_;
    using emscripten::function;

    class_<SeriesHandle>("Series")
        .constructor(&NewSeries, allow_raw_pointers())
        .function("refusal", &Refusal)
        .function("firstIds", &FirstIds)
        .function("nextWrite", &NextWrite, allow_raw_pointers())
        .property("radioNumber", &RadioNumber)
        .property("waiting", &SeriesHandle::Waiting)
        .property("lastSerial", &SeriesHandle::LastSerial)
        .property("written", &Written)
        .property("radioWithoutRow", &SeriesHandle::RadioWithoutRow)
        .function("anotherCable", &AnotherCable, allow_raw_pointers())
        .property("radioTaken", &SeriesHandle::RadioTaken)
        .property("jobFull", &SeriesHandle::JobFull)
        .function("endBeforeRadio", &EndBeforeRadio)
        .function("radioEnded", &RadioEnded, allow_raw_pointers())
        .function("radioLogged", &RadioLogged)
        .function("endText", &EndText);

    function("seriesMostRadios", &MostRadios);
    function("seriesJobEnd", &JobEnd);
    function("identityTableFileLimit", &TableFileLimit);
    function("programmingLogCsv", &ProgrammingLogCsv);
    function("transferBackup", &TransferBackup);
    function("freeBackupBase", &FreeBase);
    function("unknownRadioFolder", &UnknownFolder);
    function("backupFolderTitle", &FolderTitle);
    function("dealerText", &DealerText);
}
