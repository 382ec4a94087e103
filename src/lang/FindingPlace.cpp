#include "lang/FindingPlace.h"

#include "lang/ChannelTexts.h"
#include "lang/Utf8Text.h"

using TTeskFuncs::TLangType;

namespace {

struct ColumnLabel {
    const char* field;
    ChannelColumn column;
};

// A channel's values are named by their columns in the grid.
constexpr ColumnLabel ChannelLabels[] = {
    {"RxFreq", ColRxFreq},
    {"TxFreq", ColTxFreq},
    {"DecType/DecCode", ColDecodeTone},
    {"EncType/EncCode", ColEncodeTone},
    {"Power", ColPower},
    {"BusyLock", ColBusyLock},
    {"ChSquelchMode", ColSquelchMode},
};

struct EntryLabel {
    const char* field;
    TextEntry label;
};

// The options by the captions of their controls on the option and DTMF pages; a code's length by
// its code's caption.
constexpr EntryLabel OptionLabels[] = {
    {"Voice", TextEntry::Voice},
    {"Sql", TextEntry::Sql},
    {"SquelchMode", TextEntry::SquelchMode},
    {"SubaudioTail", TextEntry::TailSuppression},
    {"VoxCtrl", TextEntry::VoxOnOff},
    {"Vox", TextEntry::VoxGain},
    {"VoxDelay", TextEntry::VoxDelay},
    {"Tot", TextEntry::Tot},
    {"Scan", TextEntry::ScanResume},
    {"PriScan", TextEntry::PriorityScan},
    {"Beep", TextEntry::KeyBeep},
    {"Saving", TextEntry::BatterySave},
    {"Apo", TextEntry::Apo},
    {"ChannelReport", TextEntry::ChannelReport},
    {"Tone1750Ctrl", TextEntry::Hold1750Hz},
    {"Tone1750", TextEntry::Hold1750Hz},
    {"DtmfId", TextEntry::Id},
    {"DtmfGroup", TextEntry::Group},
    {"DtmfEncodeMode", TextEntry::EncodeMode},
    {"DtmfSideTone", TextEntry::SideTone},
    {"DtmfControl", TextEntry::DtmfOnOff},
    {"DtmfDigitSpeed", TextEntry::DigitSpeed},
    {"DtmfPauseDuration", TextEntry::PauseDuration},
    {"DtmfFirstDelay", TextEntry::FirstDelay},
    {"DtmfPretime", TextEntry::Pretime},
    {"DtmfStarHashDelay", TextEntry::StarHashDelay},
    {"GroupCode", TextEntry::GroupCode},
    {"SendAni", TextEntry::SendAni},
    {"Limited", TextEntry::Limited},
    {"StunKillState", TextEntry::Status},
    {"Whisper", TextEntry::Whisper},
    {"AlarmMode", TextEntry::AlarmMode},
    {"RefuseAlarm", TextEntry::RefuseAlarm},
    {"AutoConnect", TextEntry::AutoConnect},
    {"AutoConnectPos", TextEntry::AutoConnectPos},
    {"MasterTxPeriod", TextEntry::MasterTxPeriod},
    {"SlaveTimeout", TextEntry::SlaveTimeout},
    {"SlaveAlarmPeriod", TextEntry::SlaveAlarmPeriod},
    {"PowerOnBeep", TextEntry::PowerOnBeep},
    // The remote kill box edits the stun code and the remote stun box the kill code.
    {"RemoteStunCodeLength", TextEntry::RemoteKill},
    {"RemoteKillCodeLength", TextEntry::RemoteStun},
    {"ActivationCodeLength", TextEntry::Revive},
    {"PttIdLength", TextEntry::DtmfCode},
    {"AniLength", TextEntry::AniLocal},
};

struct KeyLabel {
    const char* field;
    int key;
    TextEntry press;
};

// As the key page titles its group and labels its list.
constexpr KeyLabel KeyLabels[] = {
    {"Key1Short", 1, TextEntry::ShortPress},
    {"Key1Long", 1, TextEntry::LongPress},
    {"Key2Short", 2, TextEntry::ShortPress},
    {"Key2Long", 2, TextEntry::LongPress},
};

template <typename Label, size_t N>
const Label* Find(const Label (&labels)[N], const std::string& field)
{
    for (const Label& label : labels)
        if (field == label.field)
            return &label;
    return nullptr;
}

std::string FieldLabel(const std::string& field, TLangType language)
{
    if (const ColumnLabel* label = Find(ChannelLabels, field))
        return ChannelColumnTitle(label->column, language);
    if (const EntryLabel* label = Find(OptionLabels, field))
        return EntryUtf8(label->label, language);
    if (const KeyLabel* label = Find(KeyLabels, field))
        return EntryUtf8(TextEntry::Key, language) + " " + std::to_string(label->key) + " " +
               EntryUtf8(label->press, language);
    return field;
}

}

std::string FindingPlace(const RecordFinding& finding, TLangType language)
{
    if (finding.problem == RecordProblem::WrongSize)
        return MessageUtf8({MessageId::FileSizeField}, language);
    // An entry's number is in the address book's code column.
    if (finding.entry != 0)
        return MessageUtf8({MessageId::AddressBookName}, language) + " " + std::to_string(finding.entry) + " " +
               EntryUtf8(TextEntry::DtmfCode, language);
    const std::string label = FieldLabel(finding.field, language);
    if (finding.channel == 0)
        return label;
    return MessageUtf8({MessageId::ChannelNumber, {std::to_string(finding.channel)}}, language) + " " + label;
}
