#include <emscripten/bind.h>

#include <algorithm>
#include <variant>

#include "CalibrationHandle.h"
#include "JsValues.h"
#include "PageLanguage.h"
#include "RecordHandle.h"
#include "TransferHandle.h"
#include "calibration/AccessCode.h"
#include "calibration/AdjustmentBlock.h"
#include "calibration/AdjustmentLayout.h"
#include "calibration/DigitEntry.h"
#include "calibration/FactoryBackup.h"
#include "calibration/SerialNumber.h"
#include "lang/TextLookup.h"
#include "lang/Utf8Text.h"
#include "link/engine/PasswordFrame.h"
#include "model/Password.h"

// The factory's and the password's part of the module: the calibration record with its dialog's
// layout and box rules, the access code, the serial number and password fields of a record, the
// transfers of calibration, serial number and new password, and the texts of those dialogs.

using emscripten::val;

namespace {

// The calibration record

const char* OutcomeName(CommitOutcome outcome)
{
    switch (outcome) {
    case CommitOutcome::Stored:
        return "stored";
    case CommitOutcome::OutOfRange:
        return "outOfRange";
    case CommitOutcome::NotANumber:
        break;
    }
    return "notANumber";
}

std::string CommitBox(CalibrationHandle& calibration, const std::string& edit, const std::string& text,
                      uint32_t bandMin, uint32_t bandMax)
{
    return OutcomeName(calibration.Commit(edit, text, BandLimits{bandMin, bandMax}));
}

val OpenCalibration(CalibrationHandle& calibration, const val& file, const std::string& name, int language)
{
    return TextArray(calibration.Open(BytesFrom(file), name, PageLanguage(language)));
}

val SaveCalibration(const CalibrationHandle& calibration) { return ByteArray(calibration.Save()); }

val PackCalibration(const CalibrationHandle& calibration, const val& buffer)
{
    return ByteArray(calibration.Pack(BytesFrom(buffer)));
}

bool UnpackCalibration(CalibrationHandle& calibration, const val& buffer)
{
    return calibration.Unpack(BytesFrom(buffer));
}

val BoxObject(const AdjustmentGroup& group, size_t row, size_t column)
{
    const std::string& edit = group.rows[row].edits[column];
    const AdjustmentField* field = FindAdjustmentField(edit);
    val box = val::object();
    box.set("edit", edit);
    box.set("name", AdjustmentBoxName(group, row, column));
    box.set("takesPoint", field && field->Family == AdjustmentFamily::Frequency);
    box.set("longest", field ? LongestText(field->Family) : 0);
    return box;
}

val GroupObject(const AdjustmentGroup& group)
{
    val rows = val::array();
    for (size_t r = 0; r < group.rows.size(); ++r) {
        val boxes = val::array();
        for (size_t column = 0; column < group.rows[r].edits.size(); ++column)
            boxes.call<void>("push", BoxObject(group, r, column));
        val row = val::object();
        row.set("caption", group.rows[r].caption);
        row.set("boxes", boxes);
        rows.call<void>("push", row);
    }
    val object = val::object();
    object.set("title", group.title);
    object.set("columns", TextArray(group.columns));
    object.set("rowCaptionsHidden", group.rowCaptionsHidden);
    object.set("rows", rows);
    return object;
}

// {groups, hints}: the dialog's groups in their order, each {title, columns, rowCaptionsHidden,
// rows: [{caption, boxes: [{edit, name, takesPoint, longest}]}]}.
val CalibrationLayout()
{
    val groups = val::array();
    for (const AdjustmentGroup& group : AdjustmentGroups())
        groups.call<void>("push", GroupObject(group));
    val layout = val::object();
    layout.set("groups", groups);
    layout.set("hints", TextArray(AdjustmentHints()));
    return layout;
}

std::string CorrectedCalibrationText(const std::string& edit, const std::string& text)
{
    const AdjustmentField* field = FindAdjustmentField(edit);
    return field ? CorrectedFieldText(*field, text) : text;
}

bool DropsTypedDigit(uint32_t code, bool takesPoint) { return DropsTypedCharacter(char32_t(code), takesPoint); }

bool AccessCodeOpens(const std::string& typed) { return IsAdjustmentAccessCode(typed); }

// A record's serial number and passwords

std::string SerialNumberOf(const RecordHandle& record) { return SnText(record.Settings().DeviceSn); }

// Only a serial number (up to eight digits) is taken.
bool SetSerialNumber(RecordHandle& record, const std::string& text)
{
    if (!IsSnText(text))
        return false;
    SetSnText(record.Settings().DeviceSn, text);
    return true;
}

// What a serial-number read brought, in the transfer buffer's first bytes, taken as it came.
void TakeSerialNumber(RecordHandle& record, const val& buffer)
{
    const TransferBuffer taken = BufferFrom(BytesFrom(buffer));
    std::copy(taken.begin(), taken.begin() + DeviceSnSize, record.Settings().DeviceSn);
}

void StepSerialNumber(RecordHandle& record, bool up) { StepSn(record.Settings().DeviceSn, up ? SnStep::Up : SnStep::Down); }

bool SetPassword(RecordHandle& record, const std::string& text)
{
    if (!IsPasswordText(text))
        return false;
    StorePasswordText(record.Settings().Password, text);
    return true;
}

bool SetNewPassword(RecordHandle& record, const std::string& text)
{
    if (!IsPasswordText(text))
        return false;
    StorePasswordText(record.Settings().NewPassword, text);
    return true;
}

void AdoptNewPasswordOf(RecordHandle& record) { AdoptNewPassword(record.Settings()); }

bool PasswordTakes(const std::string& text) { return IsPasswordText(text); }

size_t PasswordLongest() { return PasswordMaxLength; }

// Transfers

struct KindName {
    const char* name;
    TransferKind kind;
};

constexpr KindName FactoryKinds[] = {
    {"calibration", TransferKind::Adjustment},
    {"serialNumber", TransferKind::SerialNumber},
    {"password", TransferKind::PasswordSetting},
};

// options: kind ("calibration", "serialNumber", "password"), read, fastLink, bandMin, bandMax, and
// the transfer buffer to start from (a calibration write's packed record). Null for another kind.
TransferHandle* NewFactoryTransfer(const RecordHandle& record, const val& options)
{
    const std::string kind = options["kind"].as<std::string>();
    for (const KindName& named : FactoryKinds) {
        if (kind != named.name)
            continue;
        TransferSetup setup;
        setup.kind = named.kind;
        setup.isRead = options["read"].as<bool>();
        setup.fastLink = options["fastLink"].as<bool>();
        setup.band = BandLimits{options["bandMin"].as<uint32_t>(), options["bandMax"].as<uint32_t>()};
        if (!options["buffer"].isUndefined())
            setup.buffer = BufferFrom(BytesFrom(options["buffer"]));
        return new TransferHandle(record.Settings(), setup);
    }
    return nullptr;
}

val TransferBufferOf(const TransferHandle& transfer)
{
    return ByteArray(transfer.Buffer().data(), transfer.Buffer().size());
}

// What a calibration read brought, as the backup before a factory write keeps it, in the shape of a
// transfer's backup: the record's 68 bytes and the 8 bytes of the serial number the radio reported,
// in that radio's folder.
val FactoryBackupOf(TransferHandle& calibrationRead)
{
    AdjustmentData calibration{};
    SetAdjustmentData(calibrationRead.Buffer(), calibration);
    const RecordHandle radio = calibrationRead.Result();
    const auto& deviceSn = radio.Settings().DeviceSn;
    val files = val::array();
    for (const BackupFile& file : FactoryBackupFiles(deviceSn, calibration)) {
        val entry = val::object();
        entry.set("extension", std::string(file.extension));
        entry.set("bytes", ByteArray(file.data, file.size));
        files.call<void>("push", entry);
    }
    val backup = val::object();
    backup.set("folder", BackupFolderName(deviceSn));
    backup.set("base", FactoryBackupBase(LocalBackupMoment()));
    backup.set("files", files);
    return backup;
}

// Texts

constexpr int PortOkCaption = 0;

struct AdjustmentEntry {
    AdjustmentTextEntry entry;
};
struct PortEntry {
    int entry;
};
struct FixedCaption {
    const char* text;
};

struct NamedText {
    const char* name;
    std::variant<TextEntry, MessageId, AdjustmentEntry, PortEntry, FixedCaption> text;
};

constexpr NamedText FactoryTexts[] = {
    {"AdjustmentMenu", TextEntry::AdjustmentMenu},
    {"PasswordMenu", TextEntry::PasswordMenu},
    {"PortMenu", TextEntry::CommunicationPortMenu},
    {"Ok", TextEntry::Ok},
    {"Cancel", TextEntry::Cancel},
    {"Password", TextEntry::Password},
    {"InputPassword", TextEntry::InputPassword},
    {"NewPassword", TextEntry::NewPassword},
    {"NewPasswordSure", TextEntry::NewPasswordSure},
    {"WriteData", TextEntry::WriteData},
    {"PasswordNotMatch", TextEntry::PasswordNotMatch},
    {"ReadFromRadio", TextEntry::ReadFromRadio},
    {"WriteToRadio", TextEntry::WriteToRadio},
    {"bNew", AdjustmentEntry{AdjustmentTextEntry::NewCaption}},
    {"bOpen", AdjustmentEntry{AdjustmentTextEntry::OpenCaption}},
    {"bSave", AdjustmentEntry{AdjustmentTextEntry::SaveCaption}},
    {"bWrite", AdjustmentEntry{AdjustmentTextEntry::WriteCaption}},
    {"bRead", AdjustmentEntry{AdjustmentTextEntry::ReadCaption}},
    {"OpenTitle", AdjustmentEntry{AdjustmentTextEntry::OpenFileTitle}},
    {"SaveTitle", AdjustmentEntry{AdjustmentTextEntry::SaveFileTitle}},
    {"ClearAllQuestion", AdjustmentEntry{AdjustmentTextEntry::ClearAllQuestion}},
    {"ClearAllOk", AdjustmentEntry{AdjustmentTextEntry::ConfirmOkCaption}},
    {"ClearAllCancel", AdjustmentEntry{AdjustmentTextEntry::ConfirmCancelCaption}},
    {"PortOk", PortEntry{PortOkCaption}},
    {"WriteChannelData", FixedCaption{WriteChannelDataCaption}},
    {"SerialNumber", FixedCaption{SerialNumberCaption}},
    {"SnRead", FixedCaption{SnReadCaption}},
    {"SnWrite", FixedCaption{SnWriteCaption}},
    {"NotANumber", MessageId::NotANumber},
    {"BackingUpCalibration", MessageId::BackingUpCalibration},
    {"CalibrationBackedUp", MessageId::CalibrationBackedUp},
    {"NotWrittenWithoutBackup", MessageId::NotWrittenWithoutBackup},
    {"TryWithoutRadio", MessageId::TryWithoutRadio},
    {"PortInUse", MessageId::PortInUse},
    {"PortNotChosen", MessageId::PortNotChosen},
    {"ChooseCablePort", MessageId::ChooseCablePort},
    {"PortUsbIds", MessageId::PortUsbIds},
    {"PortWithoutUsbIds", MessageId::PortWithoutUsbIds},
    {"Close", MessageId::CloseWindow},
};

std::vector<MessageArg> ArgumentsFrom(const val& args)
{
    std::vector<MessageArg> taken;
    for (const std::string& text : emscripten::vecFromJSArray<std::string>(args))
        taken.emplace_back(text);
    return taken;
}

// The dialogs' texts by name, in the language asked for; a message's %1, %2 take `args` (an array
// of strings). Menu captions keep their "&" marks. Empty for an unknown name.
std::string FactoryText(const std::string& name, int language, const val& args)
{
    const TTeskFuncs::TLangType spoken = PageLanguage(language);
    for (const NamedText& named : FactoryTexts) {
        if (name != named.name)
            continue;
        if (const auto* entry = std::get_if<TextEntry>(&named.text))
            return EntryUtf8(*entry, spoken);
        if (const auto* id = std::get_if<MessageId>(&named.text))
            return MessageUtf8(Message(*id, ArgumentsFrom(args)), spoken);
        if (const auto* entry = std::get_if<AdjustmentEntry>(&named.text))
            return TextUtf8(AdjustmentDialogText(int(entry->entry)), spoken);
        if (const auto* entry = std::get_if<PortEntry>(&named.text))
            return TextUtf8(PortDialogText(entry->entry), spoken);
        return std::get<FixedCaption>(named.text).text;
    }
    return "";
}

}

EMSCRIPTEN_BINDINGS(kr_t27_factory)
{
    using emscripten::allow_raw_pointers;
    using emscripten::class_;
    using emscripten::function;

    class_<CalibrationHandle>("Calibration")
        .constructor<>()
        .function("text", &CalibrationHandle::Text)
        .function("commit", &CommitBox)
        .function("open", &OpenCalibration)
        .function("save", &SaveCalibration)
        .function("clear", &CalibrationHandle::Clear)
        .function("pack", &PackCalibration)
        .function("unpack", &UnpackCalibration);

    function("calibrationLayout", &CalibrationLayout);
    function("correctedCalibrationText", &CorrectedCalibrationText);
    function("correctedSerialNumberText", &CorrectedSnText);
    function("dropsTypedDigit", &DropsTypedDigit);
    function("accessCodeOpens", &AccessCodeOpens);

    function("serialNumber", &SerialNumberOf);
    function("setSerialNumber", &SetSerialNumber);
    function("stepSerialNumber", &StepSerialNumber);
    function("takeSerialNumber", &TakeSerialNumber);
    function("passwordTakes", &PasswordTakes);
    function("passwordMaxLength", &PasswordLongest);
    function("setPassword", &SetPassword);
    function("setNewPassword", &SetNewPassword);
    function("adoptNewPassword", &AdoptNewPasswordOf);

    function("factoryTransfer", &NewFactoryTransfer, allow_raw_pointers());
    function("transferBuffer", &TransferBufferOf);
    function("factoryBackupOf", &FactoryBackupOf);

    function("factoryText", &FactoryText);
}
