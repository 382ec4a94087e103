#include "lang/OptionTexts.h"

#include <algorithm>
#include <iterator>

namespace {

struct NamedEntry {
    const char* name;
    TextEntry entry;
};

// Every entry the option table names, under its enumerator's name.
constexpr NamedEntry NamedEntries[] = {
    {"Sql", TextEntry::Sql},
    {"SquelchMode", TextEntry::SquelchMode},
    {"VoxGain", TextEntry::VoxGain},
    {"VoxDelay", TextEntry::VoxDelay},
    {"Tot", TextEntry::Tot},
    {"Hold1750Hz", TextEntry::Hold1750Hz},
    {"ScanResume", TextEntry::ScanResume},
    {"PriorityScan", TextEntry::PriorityScan},
    {"Apo", TextEntry::Apo},
    {"Whisper", TextEntry::Whisper},
    {"KeyBeep", TextEntry::KeyBeep},
    {"BatterySave", TextEntry::BatterySave},
    {"Off", TextEntry::Off},
    {"SquelchCarrier", TextEntry::SquelchCarrier},
    {"SquelchDtmf", TextEntry::SquelchDtmf},
    {"SquelchCtcDcs", TextEntry::SquelchCtcDcs},
    {"SquelchDtmfAndCtcDcs", TextEntry::SquelchDtmfAndCtcDcs},
    {"SquelchDtmfOrCtcDcs", TextEntry::SquelchDtmfOrCtcDcs},
    {"Tot30s", TextEntry::Tot30s},
    {"Tot60s", TextEntry::Tot60s},
    {"Tot90s", TextEntry::Tot90s},
    {"Tot120s", TextEntry::Tot120s},
    {"Tot150s", TextEntry::Tot150s},
    {"Tot180s", TextEntry::Tot180s},
    {"Tot210s", TextEntry::Tot210s},
    {"Tot240s", TextEntry::Tot240s},
    {"Hold1s", TextEntry::Hold1s},
    {"Hold2s", TextEntry::Hold2s},
    {"Hold3s", TextEntry::Hold3s},
    {"Hold4s", TextEntry::Hold4s},
    {"Hold5s", TextEntry::Hold5s},
    {"ResumeCarrier", TextEntry::ResumeCarrier},
    {"ResumeTime", TextEntry::ResumeTime},
    {"ResumeSeek", TextEntry::ResumeSeek},
    {"Apo10m", TextEntry::Apo10m},
    {"Apo30m", TextEntry::Apo30m},
    {"Apo1h", TextEntry::Apo1h},
    {"Apo2h", TextEntry::Apo2h},
    {"DtmfOnOff", TextEntry::DtmfOnOff},
    {"EncodeMode", TextEntry::EncodeMode},
    {"SideTone", TextEntry::SideTone},
    {"DigitSpeed", TextEntry::DigitSpeed},
    {"PauseDuration", TextEntry::PauseDuration},
    {"FirstDelay", TextEntry::FirstDelay},
    {"Pretime", TextEntry::Pretime},
    {"Id", TextEntry::Id},
    {"StarHashDelay", TextEntry::StarHashDelay},
    {"Group", TextEntry::Group},
    {"RemoteKill", TextEntry::RemoteKill},
    {"RemoteStun", TextEntry::RemoteStun},
    {"Revive", TextEntry::Revive},
    {"Limited", TextEntry::Limited},
    {"Status", TextEntry::Status},
    {"ShortPress", TextEntry::ShortPress},
    {"LongPress", TextEntry::LongPress},
    {"Monitor", TextEntry::Monitor},
    {"MonitorMomentary", TextEntry::MonitorMomentary},
    {"SquelchOff", TextEntry::SquelchOff},
    {"SquelchOffMomentary", TextEntry::SquelchOffMomentary},
    {"Unassigned", TextEntry::Unassigned},
    {"SqlIndicator", TextEntry::SqlIndicator},
    {"AdjustSql", TextEntry::AdjustSql},
    {"Scan", TextEntry::Scan},
    {"PriorityChannelScan", TextEntry::PriorityChannelScan},
    {"NuisanceChannelTemporaryDelete", TextEntry::NuisanceChannelTemporaryDelete},
    {"NuisanceChannelDelete", TextEntry::NuisanceChannelDelete},
    {"Talkaround", TextEntry::Talkaround},
    {"ReverseFrequency", TextEntry::ReverseFrequency},
    {"PowerIndicator", TextEntry::PowerIndicator},
    {"AdjustPower", TextEntry::AdjustPower},
    {"VoxOnOff", TextEntry::VoxOnOff},
    {"BatteryPowerIndicator", TextEntry::BatteryPowerIndicator},
    {"ChannelReport", TextEntry::ChannelReport},
    {"ChannelLock", TextEntry::ChannelLock},
    {"Begin", TextEntry::Begin},
    {"End", TextEntry::End},
    {"BothBeginAndEnd", TextEntry::BothBeginAndEnd},
    {"TailSuppression", TextEntry::TailSuppression},
    {"Phase120Degree", TextEntry::Phase120Degree},
    {"Phase180Degree", TextEntry::Phase180Degree},
    {"Tone55Hz", TextEntry::Tone55Hz},
    {"Voice", TextEntry::Voice},
    {"Chinese", TextEntry::Chinese},
    {"English", TextEntry::English},
    {"RefuseAlarm", TextEntry::RefuseAlarm},
    {"AlarmMode", TextEntry::AlarmMode},
    {"LocalAlarm", TextEntry::LocalAlarm},
    {"EncodingAlarm", TextEntry::EncodingAlarm},
    {"BothLocalAndEncoding", TextEntry::BothLocalAndEncoding},
    {"AutoConnect", TextEntry::AutoConnect},
    {"AutoConnectPos", TextEntry::AutoConnectPos},
    {"Master", TextEntry::Master},
    {"Slave", TextEntry::Slave},
    {"PowerOnBeep", TextEntry::PowerOnBeep},
    {"AniLocal", TextEntry::AniLocal},
    {"DtmfCode", TextEntry::DtmfCode},
    {"MasterTxPeriod", TextEntry::MasterTxPeriod},
    {"SlaveTimeout", TextEntry::SlaveTimeout},
    {"SlaveAlarmPeriod", TextEntry::SlaveAlarmPeriod},
    {"CallSelect", TextEntry::CallSelect},
    {"GroupCode", TextEntry::GroupCode},
    {"AutoResetTime", TextEntry::AutoResetTime},
    {"SendAni", TextEntry::SendAni},
};

}

std::optional<TextEntry> TextEntryNamed(std::string_view name)
{
    const auto found = std::find_if(std::begin(NamedEntries), std::end(NamedEntries),
                                    [name](const NamedEntry& e) { return name == e.name; });
    return found == std::end(NamedEntries) ? std::nullopt : std::optional<TextEntry>(found->entry);
}

std::string NamedText(std::string_view entryName) { return NamedText(entryName, AppLang().LangType()); }

std::string NamedText(std::string_view entryName, TTeskFuncs::TLangType language)
{
    const auto entry = TextEntryNamed(entryName);
    return entry ? EntryText(*entry, language) : std::string();
}

std::string FieldCaption(const OptionField& field) { return FieldCaption(field, AppLang().LangType()); }

std::string FieldCaption(const OptionField& field, TTeskFuncs::TLangType language)
{
    if (field.kind != OptionKind::KeyFunction)
        return NamedText(field.label, language);
    return KeyGroupCaption(field.place.column + 1, language) + " " + NamedText(field.label, language);
}

std::string KeyGroupCaption(int key, TTeskFuncs::TLangType language)
{
    return EntryText(TextEntry::Key, language) + " " + std::to_string(key);
}

std::string ChoiceText(const ChoiceLabel& label) { return ChoiceText(label, AppLang().LangType()); }

std::string ChoiceText(const ChoiceLabel& label, TTeskFuncs::TLangType language)
{
    switch (label.kind) {
    case ChoiceLabelKind::Entry:
        return NamedText(label.text, language);
    case ChoiceLabelKind::Seconds:
        return label.text + " " + EntryText(TextEntry::Seconds, language);
    default:
        return label.text;
    }
}

std::vector<std::string> ChoiceTexts(const OptionField& field)
{
    std::vector<std::string> texts;
    for (const Choice& choice : field.choices)
        texts.push_back(ChoiceText(choice.label));
    return texts;
}
