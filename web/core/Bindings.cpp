#include <emscripten/bind.h>

#include "JsValues.h"
#include "NamedTexts.h"
#include "PageLanguage.h"
#include "RadioHandle.h"
#include "RecordHandle.h"
#include "TransferHandle.h"
#include "lang/ChannelTexts.h"
#include "lang/TextLookup.h"
#include "lang/Utf8Text.h"
#include "link/engine/LinkTiming.h"

// What the page and its worker see of the core: records, transfers and the virtual radio as
// classes, bytes as Uint8Array, results as plain objects, texts as UTF-8 strings in the language
// each call names (see PageLanguage).

using emscripten::val;

namespace {

BandLimits BandFrom(uint32_t bandMin, uint32_t bandMax) { return BandLimits{bandMin, bandMax}; }

val BandObject(const BandLimits& band)
{
    val object = val::object();
    object.set("bandMin", band.BandMin);
    object.set("bandMax", band.BandMax);
    return object;
}

DateTimeStamp StampFrom(const val& stamp)
{
    return {stamp["year"].as<uint16_t>(), stamp["month"].as<uint8_t>(), stamp["day"].as<uint8_t>(),
            stamp["hour"].as<uint8_t>(), stamp["minute"].as<uint8_t>()};
}

// Records

val FindingArray(const std::vector<FindingTexts>& findings)
{
    val array = val::array();
    for (const FindingTexts& finding : findings) {
        val object = val::object();
        object.set("where", finding.where);
        object.set("value", finding.value);
        object.set("problem", finding.problem);
        array.call<void>("push", object);
    }
    return array;
}

val OpenFile(RecordHandle& record, const val& file, const std::string& name, uint32_t bandMin, uint32_t bandMax,
             int language)
{
    const OpenedFile opened = record.Open(BytesFrom(file), name, BandFrom(bandMin, bandMax), PageLanguage(language));
    val result = val::object();
    result.set("refusal", opened.refusal);
    result.set("findings", FindingArray(opened.findings));
    return result;
}

val SaveFile(const RecordHandle& record) { return ByteArray(record.Save()); }

// Without a language the refusal is English, as the command line prints it.
std::string ApplyJson(RecordHandle& record, const std::string& json)
{
    return record.ApplyJson(json, TTeskFuncs::LangEnglish);
}
std::string ApplyJsonIn(RecordHandle& record, const std::string& json, int language)
{
    return record.ApplyJson(json, PageLanguage(language));
}

val Snapshot(const RecordHandle& record) { return ByteArray(record.Snapshot()); }

bool Restore(RecordHandle& record, const val& snapshot) { return record.Restore(BytesFrom(snapshot)); }

val PackImage(const RecordHandle& record, uint32_t bandMin, uint32_t bandMax, const val& stamp)
{
    return ByteArray(record.PackImage(BandFrom(bandMin, bandMax), StampFrom(stamp)));
}

val UnpackImage(RecordHandle& record, const val& image, const std::string& name, int language)
{
    const UnpackedImage unpacked = record.UnpackImage(BytesFrom(image), name, PageLanguage(language));
    val result = BandObject(unpacked.band);
    result.set("refusal", unpacked.refusal);
    return result;
}

val ExportCsv(const RecordHandle& record, int language)
{
    const ExportedTable exported = record.ExportCsv(PageLanguage(language));
    val result = val::object();
    result.set("text", exported.text);
    result.set("notes", TextArray(exported.notes));
    return result;
}

// options: bandMin and bandMax, and optionally keepLocations (rows go to the channels their
// Location names) and firstChannel (else rows fill the channels from 1 on).
val ImportCsv(RecordHandle& record, const std::string& text, const val& options, int language)
{
    ChannelCsvImportOptions taken;
    taken.band = BandFrom(options["bandMin"].as<uint32_t>(), options["bandMax"].as<uint32_t>());
    taken.keepLocations = options["keepLocations"].isTrue();
    if (!options["firstChannel"].isUndefined())
        taken.firstChannel = options["firstChannel"].as<unsigned>();
    const ImportReport report = record.ImportCsv(text, taken, PageLanguage(language));
    val result = val::object();
    result.set("refusal", report.refusal);
    result.set("lines", TextArray(report.lines));
    result.set("summary", report.summary);
    return result;
}

val ChannelRow(const RecordHandle& record, unsigned channel, int language)
{
    return TextArray(record.ChannelRow(channel, PageLanguage(language)));
}

val CheckRecordFor(const RecordHandle& record, uint32_t bandMin, uint32_t bandMax, int language)
{
    return FindingArray(record.Check(BandFrom(bandMin, bandMax), PageLanguage(language)));
}

val Device(const RecordHandle& record, int language)
{
    const DeviceInfo info = record.Device(PageLanguage(language));
    val result = val::object();
    result.set("lastProgrammedCaption", info.lastProgrammedCaption);
    result.set("lastProgrammed", info.lastProgrammed);
    result.set("firmwareCaption", info.firmwareCaption);
    result.set("firmware", info.firmware);
    result.set("serialNumberCaption", info.serialNumberCaption);
    result.set("serialNumber", info.serialNumber);
    return result;
}

val ColumnTitles(int language) { return TextArray(ChannelColumnTitles(PageLanguage(language))); }

// Transfers

TransferHandle* NewTransfer(const RecordHandle& record, const val& options)
{
    TransferSetup setup;
    setup.isRead = options["read"].as<bool>();
    setup.fastLink = options["fastLink"].as<bool>();
    setup.band = BandFrom(options["bandMin"].as<uint32_t>(), options["bandMax"].as<uint32_t>());
    if (!options["now"].isUndefined())
        setup.now = StampFrom(options["now"]);
    return new TransferHandle(record.Settings(), setup);
}

TransferHandle* ReadBackOf(const TransferHandle& written) { return written.ReadBack().release(); }

const char* OutcomeName(LinkOutcome outcome)
{
    switch (outcome) {
    case LinkOutcome::Running:
        return "running";
    case LinkOutcome::Success:
        return "success";
    case LinkOutcome::CommunicationFailure:
        return "communicationFailure";
    case LinkOutcome::PasswordError:
        return "passwordError";
    case LinkOutcome::Closed:
        return "closed";
    case LinkOutcome::Stopped:
        break;
    }
    return "stopped";
}

// "keep", "start" with the interval, or "stop".
val TimerObject(const TimerCommand& command)
{
    val timer = val::object();
    const char* action = command.action == TimerCommand::Start ? "start"
                         : command.action == TimerCommand::Stop ? "stop"
                                                                : "keep";
    timer.set("action", action);
    timer.set("ms", command.intervalMs);
    return timer;
}

// The engine's answer in the order the driver carries it out.
val ActionsObject(const LinkActions& actions)
{
    val object = val::object();
    object.set("purge", actions.purgeBothQueues ? "both" : actions.purgeReceiveQueue ? "receive" : "none");
    val frames = val::array();
    for (const Frame& frame : actions.send)
        frames.call<void>("push", ByteArray(frame));
    object.set("frames", frames);
    object.set("txTimer", TimerObject(actions.txTimer));
    object.set("timeOutTimer", TimerObject(actions.timeOutTimer));
    object.set("progress", actions.progress);
    object.set("askBand", actions.askBandQuestion);
    object.set("passedOver", actions.radioPassedOver);
    object.set("outcome", OutcomeName(actions.outcome));
    return object;
}

val StartTransfer(TransferHandle& transfer) { return ActionsObject(transfer.Start()); }
val TickTransfer(TransferHandle& transfer, const val& received)
{
    return ActionsObject(transfer.Tick(BytesFrom(received)));
}
val TimeOutTransfer(TransferHandle& transfer) { return ActionsObject(transfer.TimeOut()); }
val AnswerBand(TransferHandle& transfer, bool goOn) { return ActionsObject(transfer.BandQuestionAnswered(goOn)); }
val FailPort(TransferHandle& transfer) { return ActionsObject(transfer.PortFailed()); }
val StopBeforeRadio(TransferHandle& transfer) { return ActionsObject(transfer.StopBeforeRadio()); }

// How long a radio may stay silent; also how long a port that would not open takes to fail.
int TimeOutAllowed(const TransferHandle&) { return TimeOutMs; }
std::string TransferOutcome(const TransferHandle& transfer) { return OutcomeName(transfer.Outcome()); }
val TransferBand(const TransferHandle& transfer) { return BandObject(transfer.Band()); }
val TransferImage(const TransferHandle& transfer) { return ByteArray(transfer.Image()); }
RecordHandle* TransferResult(TransferHandle& transfer) { return new RecordHandle(transfer.Result()); }

std::string StepText(const TransferHandle& transfer, int language)
{
    return transfer.StepText(PageLanguage(language));
}
// Masked: the trace is kept to be sent in.
std::string TraceText(const TransferHandle& transfer) { return transfer.Trace().Text(); }

val NoticeLines(const TransferHandle& transfer, int language, const std::string& portProblem)
{
    return TextArray(transfer.NoticeLines(portProblem, PageLanguage(language)));
}

val CompareWith(const TransferHandle& written, const TransferHandle& readBack)
{
    const VerifyResult result = written.CompareWith(readBack);
    val object = val::object();
    object.set("differing", result.differing);
    object.set("firstAddress", result.firstAddress);
    return object;
}

val VerifiedNoticeLines(const TransferHandle& written, const TransferHandle& readBack, int language,
                        const std::string& portProblem)
{
    return TextArray(written.VerifiedNoticeLines(readBack, portProblem, PageLanguage(language)));
}

// The virtual radio

val RadioReceive(RadioHandle& radio, const val& bytes) { return ByteArray(radio.Receive(BytesFrom(bytes))); }
val RadioImage(const RadioHandle& radio) { return ByteArray(radio.Image()); }
void RadioBand(RadioHandle& radio, uint32_t bandMin, uint32_t bandMax) { radio.SetBand(BandFrom(bandMin, bandMax)); }

// The transfer dialog's own texts (Start, Cancel, the three outcomes, the band question and its
// Continue), by their entries.
std::string TransferDialogText(int entry, int language)
{
    // The table looks up in the current language, so that is set first.
    const TTeskFuncs::TLangType spoken = PageLanguage(language);
    return TextUtf8(ProgramDialogText(entry), spoken);
}

// The page's captions by name: those it shares with the desktop's menus and dialogs, and its own
// few words from the message table.
constexpr NamedText PageTexts[] = {
    {"New", TextEntry::NewMenu},
    {"Open", TextEntry::OpenMenu},
    {"Save", TextEntry::SaveMenu},
    {"Read", TextEntry::ReadFromRadioMenu},
    {"Write", TextEntry::WriteToRadioMenu},
    {"English", TextEntry::EnglishMenu},
    {"Chinese", TextEntry::ChineseSimplifiedMenu},
    {"FastLink", MessageId::FastLink},
    {"VerifyAfterWriting", MessageId::VerifyAfterWriting},
    {"SaveTransferLog", MessageId::SaveTransferLog},
    {"TryWithoutRadio", MessageId::TryWithoutRadio},
    {"Backups", MessageId::BackupsHeading},
    {"Download", MessageId::DownloadFile},
    {"CheckListBeforeWrite", MessageId::CheckListBeforeWrite},
    {"WriteAnyway", MessageId::WriteAnyway},
};

std::string PageText(const std::string& name, int language)
{
    return NamedTextIn(PageTexts, name, PageLanguage(language));
}

std::string NoticeOk(int language) { return TextUtf8(NoticeOkText(), PageLanguage(language)); }

val LinkSchedule()
{
    val schedule = val::object();
    schedule.set("portSettleMs", PortSettleMs);
    schedule.set("handshakeTickMs", HandshakeTickMs);
    schedule.set("blockTickMs", BlockTickMs);
    schedule.set("timeOutMs", TimeOutMs);
    return schedule;
}

}

EMSCRIPTEN_BINDINGS(kr_t27_core)
{
    using emscripten::allow_raw_pointers;
    using emscripten::class_;
    using emscripten::function;

    class_<RecordHandle>("Record")
        .constructor<>()
        .function("open", &OpenFile)
        .function("save", &SaveFile)
        .function("snapshot", &Snapshot)
        .function("restore", &Restore)
        .function("packImage", &PackImage)
        .function("unpackImage", &UnpackImage)
        .function("json", &RecordHandle::Json)
        .function("applyJson", &ApplyJson)
        .function("applyJson", &ApplyJsonIn)
        .function("exportCsv", &ExportCsv)
        .function("importCsv", &ImportCsv)
        .function("channelRow", &ChannelRow)
        .function("check", &CheckRecordFor)
        .function("deviceInfo", &Device);

    class_<TransferHandle>("Transfer")
        .constructor(&NewTransfer, allow_raw_pointers())
        .function("readBack", &ReadBackOf, allow_raw_pointers())
        .property("settleMs", &TransferHandle::SettleMs)
        .property("answerPollMs", &TransferHandle::AnswerPollMs)
        .function("start", &StartTransfer)
        .function("tick", &TickTransfer)
        .function("timeOut", &TimeOutTransfer)
        .function("answerBand", &AnswerBand)
        .function("portFailed", &FailPort)
        .function("stopBeforeRadio", &StopBeforeRadio)
        .function("acceptSameRadio", &TransferHandle::AcceptSameRadio)
        .function("answerComplete", &TransferHandle::AnswerComplete)
        .property("timeOutMs", &TimeOutAllowed)
        .property("txTimerMs", &TransferHandle::TxIntervalMs)
        .property("timeOutTimerMs", &TransferHandle::TimeOutIntervalMs)
        .property("linkStep", &TransferHandle::LinkStep)
        .function("stepText", &StepText)
        .function("trace", &TraceText)
        .property("progress", &TransferHandle::Progress)
        .property("outcome", &TransferOutcome)
        .property("partlyWritten", &TransferHandle::PartlyWritten)
        .function("band", &TransferBand)
        .function("image", &TransferImage)
        .function("result", &TransferResult, allow_raw_pointers())
        .function("noticeLines", &NoticeLines)
        .function("compareWith", &CompareWith)
        .function("verifiedNoticeLines", &VerifiedNoticeLines);

    class_<RadioHandle>("Radio")
        .constructor<>()
        .function("receive", &RadioReceive)
        .function("image", &RadioImage)
        .function("setPassword", &RadioHandle::SetPassword)
        .function("setBand", &RadioBand)
        .function("setSerialNumber", &RadioHandle::SetSerialNumber)
        .property("sessionsEnded", &RadioHandle::SessionsEnded);

    function("channelColumnTitles", &ColumnTitles);
    function("transferDialogText", &TransferDialogText);
    function("linkSchedule", &LinkSchedule);
    function("pageText", &PageText);
    function("noticeOk", &NoticeOk);
}
