#include "model/OptionTable.h"

#include <algorithm>
#include <initializer_list>

#include "model/DtmfDigits.h"

namespace {

constexpr uint32_t ByteMax = 0xFF;
constexpr uint32_t WordMax = 0xFFFF;
constexpr uint32_t MillisecondsPerSecond = 1000;
constexpr uint32_t MillisecondsPerTenth = 100;
constexpr unsigned LastAutoResetSeconds = 255;
constexpr unsigned LastDtmfId = 999;
constexpr unsigned LastDtmfGroup = 99;
// The group codes are the DTMF symbols A to D, * and #, stored as their symbol codes.
constexpr char GroupCodeSymbols[] = "ABCD*#";
constexpr uint32_t FirstGroupCode = 10;

ChoiceLabel Entry(const char* name) { return {ChoiceLabelKind::Entry, name}; }

std::vector<Choice> Numbers(uint32_t first, uint32_t last, uint32_t step = 1)
{
    std::vector<Choice> choices;
    for (uint32_t n = first; n <= last; n += step)
        choices.push_back({n, {ChoiceLabelKind::Literal, std::to_string(n)}});
    return choices;
}

// Entries of the language table, storing first, first + step, ... in their order.
std::vector<Choice> Entries(std::initializer_list<const char*> names, uint32_t first = 0, uint32_t step = 1)
{
    std::vector<Choice> choices;
    uint32_t value = first;
    for (const char* name : names) {
        choices.push_back({value, Entry(name)});
        value += step;
    }
    return choices;
}

// Lists whose first item switches the option off, storing 0.
std::vector<Choice> OffThen(std::vector<Choice> rest)
{
    rest.insert(rest.begin(), {0, Entry("Off")});
    return rest;
}

// Milliseconds stored, shown as seconds with one decimal.
std::vector<Choice> Seconds(uint32_t firstMs, uint32_t lastMs, uint32_t stepMs)
{
    std::vector<Choice> choices;
    for (uint32_t ms = firstMs; ms <= lastMs; ms += stepMs) {
        const std::string seconds =
            std::to_string(ms / MillisecondsPerSecond) + "." + std::to_string(ms % MillisecondsPerSecond / MillisecondsPerTenth);
        choices.push_back({ms, {ChoiceLabelKind::Seconds, seconds}});
    }
    return choices;
}

std::vector<Choice> GroupCodes()
{
    std::vector<Choice> choices;
    uint32_t value = FirstGroupCode;
    for (const char* symbol = GroupCodeSymbols; *symbol; ++symbol)
        choices.push_back({value++, {ChoiceLabelKind::Literal, std::string(1, *symbol)}});
    return OffThen(choices);
}

std::vector<Choice> KeyChoices(bool longPress)
{
    std::vector<Choice> choices;
    for (const ProgrammableKeyFunction& function : ProgrammableKeyFunctions())
        if (!longPress || function.offeredForLongPress)
            choices.push_back({function.code, Entry(function.label)});
    return choices;
}

OptionField List(const char* name, size_t offset, size_t width, EditorNames editor, const char* label,
                 std::vector<Choice> choices, uint32_t defaultValue, OptionPlace place,
                 ValueMatch match = ValueMatch::Stepwise)
{
    return {name, offset, width, editor, OptionKind::List, label, std::move(choices), match, TickRule::NonZero,
            defaultValue, place};
}

OptionField Flag(const char* name, size_t offset, size_t width, EditorNames editor, const char* label, TickRule tick,
                 uint32_t defaultValue, OptionPlace place)
{
    return {name, offset, width, editor, OptionKind::Flag, label, {}, ValueMatch::Exact, tick, defaultValue, place};
}

OptionField Key(const char* name, size_t offset, size_t width, EditorNames editor, const char* label, bool longPress,
                uint32_t defaultValue, OptionPlace place)
{
    return {name,  offset, width, editor, OptionKind::KeyFunction, label, KeyChoices(longPress), ValueMatch::Exact,
            TickRule::NonZero, defaultValue, place};
}

constexpr OptionPage Options = OptionPage::Options;
constexpr OptionPage Dtmf = OptionPage::Dtmf;
constexpr OptionPage Keys = OptionPage::Keys;
constexpr int ListColumn = 0, CheckColumn = 1;
constexpr int CodeColumn = 0, TimingColumn = 1;
constexpr int ShortPress = 0, LongPress = 1;
constexpr bool Hidden = false;
constexpr auto NonZero = TickRule::NonZero;
constexpr auto ExactlyOne = TickRule::ExactlyOne;

}

#define KR_AT(member) #member, offsetof(RadioSettings, member), sizeof(RadioSettings::member)

const std::vector<OptionField>& OptionFields()
{
    static const std::vector<OptionField> fields = {
        List(KR_AT(Voice), {"cbVoice", "sVoice"}, "Voice", Entries({"Off", "Chinese", "English"}), 1,
             {Options, ListColumn, 7}),
        List(KR_AT(Sql), {"cbSQL", "sSQL"}, "Sql", Numbers(0, 9), 5, {Options, ListColumn, 0}),
        List(KR_AT(SquelchMode), {"cbSquelchMode", "sSquelchMode"}, "SquelchMode",
             Entries({"SquelchCarrier", "SquelchDtmf", "SquelchCtcDcs", "SquelchDtmfAndCtcDcs", "SquelchDtmfOrCtcDcs"}),
             3, {Dtmf, CodeColumn, 11, Hidden}),
        List(KR_AT(SubaudioTail), {"cbSubaudioTail", "sSubaudioTail"}, "TailSuppression",
             Entries({"Phase180Degree", "Phase120Degree", "Tone55Hz"}, 1), 3, {Options, ListColumn, 6}),
        Flag(KR_AT(VoxCtrl), {"cVoxCtrl"}, "VoxOnOff", NonZero, 0, {Options, CheckColumn, 3}),
        List(KR_AT(Vox), {"cbVOX", "sVOX"}, "VoxGain", Numbers(1, 9), 8, {Options, ListColumn, 1}),
        List(KR_AT(VoxDelay), {"cbVOX_DELAY", "sVOX_DELAY"}, "VoxDelay", Seconds(500, 3000, 500), 2000,
             {Options, ListColumn, 2}, ValueMatch::Exact),
        List(KR_AT(Tot), {"cbTOT", "sTOT"}, "Tot",
             Entries({"Off", "Tot30s", "Tot60s", "Tot90s", "Tot120s", "Tot150s", "Tot180s", "Tot210s", "Tot240s"}, 0,
                     30),
             180, {Options, ListColumn, 3}),
        List(KR_AT(Scan), {"cbSCAN", "sSCAN"}, "ScanResume", Entries({"ResumeTime", "ResumeCarrier", "ResumeSeek"}),
             1, {Options, ListColumn, 4}),
        List(KR_AT(PriScan), {"cbPriScan", "sPriScan"}, "PriorityScan", OffThen(Numbers(1, ChannelCount)), 0,
             {Options, ListColumn, 5}),
        Flag(KR_AT(Beep), {"cBeep"}, "KeyBeep", ExactlyOne, 1, {Options, CheckColumn, 0}),
        Flag(KR_AT(Saving), {"cSaving"}, "BatterySave", ExactlyOne, 1, {Options, CheckColumn, 2}),
        List(KR_AT(Apo), {"cbAPO", "sAPO"}, "Apo",
             {{0, Entry("Off")}, {10, Entry("Apo10m")}, {30, Entry("Apo30m")}, {60, Entry("Apo1h")},
              {120, Entry("Apo2h")}},
             0, {Options, ListColumn, 14, Hidden}, ValueMatch::Exact),
        Flag(KR_AT(ChannelReport), {"cChannelReport"}, "ChannelReport", NonZero, 1, {Options, CheckColumn, 5}),
        Flag(KR_AT(Tone1750Ctrl), {"c1750Hz_Ctrl"}, "Hold1750Hz", NonZero, 0, {Options, CheckColumn, 8}),
        List(KR_AT(Tone1750), {"cb1750Hz", "s1750Hz"}, "Hold1750Hz",
             Entries({"Hold1s", "Hold2s", "Hold3s", "Hold4s", "Hold5s"}, 1), 3, {Options, ListColumn, 13}),
        List(KR_AT(DtmfId), {"cbD_ID", "sD_ID"}, "Id", Numbers(1, LastDtmfId), 1, {Dtmf, CodeColumn, 9, Hidden}),
        List(KR_AT(DtmfGroup), {"cbD_Group", "sD_Group"}, "Group", Numbers(1, LastDtmfGroup), 1,
             {Dtmf, CodeColumn, 10, Hidden}),
        List(KR_AT(DtmfEncodeMode), {"cbD_EncodeMode", "sD_EncodeMode"}, "EncodeMode",
             Entries({"Begin", "End", "BothBeginAndEnd"}, 1), 1, {Dtmf, TimingColumn, 0}),
        Flag(KR_AT(DtmfSideTone), {"cD_SideTone"}, "SideTone", ExactlyOne, 0, {Dtmf, TimingColumn, 6}),
        Flag(KR_AT(DtmfControl), {"cD_Control"}, "DtmfOnOff", ExactlyOne, 0, {Dtmf, CodeColumn, 12, Hidden}),
        List(KR_AT(DtmfDigitSpeed), {"cbD_DigitSpeed", "sD_DigitSpeed"}, "DigitSpeed", Numbers(50, 200, 10), 100,
             {Dtmf, TimingColumn, 1}),
        List(KR_AT(DtmfPauseDuration), {"cbD_PauseDuration", "sD_PauseDuration"}, "PauseDuration",
             Numbers(50, 200, 10), 100, {Dtmf, TimingColumn, 2}),
        List(KR_AT(DtmfFirstDelay), {"cbD_FirstDelay", "sD_FirstDelay"}, "FirstDelay", Numbers(0, 500, 50), 100,
             {Dtmf, TimingColumn, 3}),
        List(KR_AT(DtmfPretime), {"cbD_Pretime", "sD_Pretime"}, "Pretime", Numbers(100, 1000, 100), 500,
             {Dtmf, TimingColumn, 4}),
        List(KR_AT(DtmfStarHashDelay), {"cbD_Mi_Jing_Delay", "sD_Mi_Jing_Delay"}, "StarHashDelay",
             Numbers(0, 400, 50), 50, {Dtmf, TimingColumn, 5}),
        List(KR_AT(GroupCode), {"cbGroupCode", "sGroupCode"}, "GroupCode", GroupCodes(), 0, {Dtmf, CodeColumn, 6},
             ValueMatch::ExactElseFirst),
        List(KR_AT(AutoReset), {"cbAutoReset", "sAutoReset"}, "AutoResetTime",
             OffThen(Numbers(1, LastAutoResetSeconds)), 0, {Dtmf, CodeColumn, 7}),
        Flag(KR_AT(SendAni), {"cSendANI"}, "SendAni", NonZero, 0, {Dtmf, CodeColumn, 5}),
        Flag(KR_AT(Limited), {"cLimited"}, "Limited", ExactlyOne, 0, {Dtmf, CodeColumn, 13, Hidden}),
        List(KR_AT(StunKillState), {"cbDizzyState", "sDizzyState"}, "Status",
             Entries({"Revive", "RemoteKill", "RemoteStun"}), 0, {Dtmf, CodeColumn, 4}),
        Flag(KR_AT(Whisper), {"cWhisper"}, "Whisper", ExactlyOne, 0, {Options, CheckColumn, 7}),
        List(KR_AT(AlarmMode), {"cbAlarmMode", "sAlarmMode"}, "AlarmMode",
             Entries({"LocalAlarm", "EncodingAlarm", "BothLocalAndEncoding"}, 1), 1, {Options, ListColumn, 8}),
        Flag(KR_AT(RefuseAlarm), {"cRefuseAlarm"}, "RefuseAlarm", NonZero, 0, {Options, CheckColumn, 4}),
        Flag(KR_AT(AutoConnect), {"cAutoConnect"}, "AutoConnect", NonZero, 0, {Options, CheckColumn, 6}),
        List(KR_AT(AutoConnectPos), {"cbAutoConnect_Pos", "sAutoConnect_Pos"}, "AutoConnectPos",
             Entries({"Master", "Slave"}), 0, {Options, ListColumn, 9}),
        List(KR_AT(MasterTxPeriod), {"cbMasterTxPeriod", "sMasterTxPeriod"}, "MasterTxPeriod", Numbers(5, 60), 5,
             {Options, ListColumn, 10}),
        List(KR_AT(SlaveTimeout), {"cbSlaveTimeout", "sSlaveTimeout"}, "SlaveTimeout", Numbers(5, 60), 10,
             {Options, ListColumn, 11}),
        List(KR_AT(SlaveAlarmPeriod), {"cbSlaveAlarmPeriod", "sSlaveAlarmPeriod"}, "SlaveAlarmPeriod", Numbers(2, 30),
             2, {Options, ListColumn, 12}),
        Flag(KR_AT(PowerOnBeep), {"cPowerOnBeep"}, "PowerOnBeep", NonZero, 1, {Options, CheckColumn, 1}),
        Key(KR_AT(Key1Short), {"cbKey_1_Short", "sKey_1_Short"}, "ShortPress", false, 5, {Keys, 0, ShortPress}),
        Key(KR_AT(Key1Long), {"cbKey_1_Long", "sKey_1_Long"}, "LongPress", true, 0, {Keys, 0, LongPress}),
        Key(KR_AT(Key2Short), {"cbKey_2_Short", "sKey_2_Short"}, "ShortPress", false, 17, {Keys, 1, ShortPress}),
        Key(KR_AT(Key2Long), {"cbKey_2_Long", "sKey_2_Long"}, "LongPress", true, 0, {Keys, 1, LongPress}),
    };
    return fields;
}

#undef KR_AT

#define KR_CODE(codes, length) #codes, #length, offsetof(RadioSettings, codes), offsetof(RadioSettings, length)

const std::vector<DtmfCodeField>& DtmfCodeFields()
{
    static const std::vector<DtmfCodeField> fields = {
        {KR_CODE(RemoteStunCode, RemoteStunCodeLength), {"eDizzy", "sDizzy"}, "RemoteKill", {Dtmf, CodeColumn, 0}},
        {KR_CODE(RemoteKillCode, RemoteKillCodeLength), {"eStun", "sStun"}, "RemoteStun", {Dtmf, CodeColumn, 1}},
        {KR_CODE(ActivationCode, ActivationCodeLength),
         {"eActivation", "sActivation"},
         "Revive",
         {Dtmf, CodeColumn, 2}},
        {KR_CODE(PttId, PttIdLength), {"ePTT_ID", "sPtt_Id"}, "DtmfCode", {Dtmf, CodeColumn, 8, Hidden}},
        {KR_CODE(Ani, AniLength), {"eANI", "sANI"}, "AniLocal", {Dtmf, CodeColumn, 3}},
    };
    return fields;
}

#undef KR_CODE

const std::vector<ProgrammableKeyFunction>& ProgrammableKeyFunctions()
{
    static const std::vector<ProgrammableKeyFunction> functions = {
        {0, "Unassigned", true, false},
        {1, "DtmfOnOff", true, false},
        {2, "Monitor", false, false},
        {3, "MonitorMomentary", false, true},
        {4, "SquelchOff", false, false},
        {5, "SquelchOffMomentary", false, true},
        {6, "SqlIndicator", true, false},
        {7, "AdjustSql", true, false},
        {8, "Scan", true, false},
        {9, "PriorityChannelScan", true, false},
        {10, "NuisanceChannelTemporaryDelete", true, false},
        {11, "NuisanceChannelDelete", true, false},
        {12, "Talkaround", true, false},
        {13, "ReverseFrequency", true, false},
        {14, "PowerIndicator", true, false},
        {15, "AdjustPower", true, false},
        {16, "VoxOnOff", true, false},
        {17, "BatteryPowerIndicator", true, false},
        {18, "ChannelReport", true, false},
        {19, "ChannelLock", true, false},
        {20, "AutoConnect", true, false},
        {21, "Hold1750Hz", true, false},
        {22, "Whisper", true, false},
        {23, "CallSelect", true, false},
    };
    return functions;
}

bool IsMomentaryKeyFunction(uint32_t code)
{
    const auto& functions = ProgrammableKeyFunctions();
    return std::any_of(functions.begin(), functions.end(),
                       [code](const ProgrammableKeyFunction& f) { return f.code == code && f.momentary; });
}

const OptionField* FindOptionField(std::string_view name)
{
    for (const OptionField& field : OptionFields())
        if (name == field.name)
            return &field;
    return nullptr;
}

const OptionField* FindOptionEditor(std::string_view control)
{
    for (const OptionField& field : OptionFields())
        if (control == field.editor.control)
            return &field;
    return nullptr;
}

const DtmfCodeField* FindDtmfCodeEditor(std::string_view control)
{
    for (const DtmfCodeField& field : DtmfCodeFields())
        if (control == field.editor.control)
            return &field;
    return nullptr;
}

std::vector<const OptionField*> OptionFieldsAt(OptionPage page, int column)
{
    std::vector<const OptionField*> fields;
    for (const OptionField& field : OptionFields())
        if (field.place.page == page && field.place.column == column)
            fields.push_back(&field);
    std::sort(fields.begin(), fields.end(), [](const OptionField* a, const OptionField* b) { return a->place.row < b->place.row; });
    return fields;
}

std::vector<PageRow> PageRowsAt(OptionPage page, int column)
{
    std::vector<PageRow> rows;
    for (const DtmfCodeField& code : DtmfCodeFields())
        if (code.place.page == page && code.place.column == column)
            rows.push_back({code.place, &code, nullptr});
    for (const OptionField* option : OptionFieldsAt(page, column))
        rows.push_back({option->place, nullptr, option});
    std::sort(rows.begin(), rows.end(), [](const PageRow& a, const PageRow& b) { return a.place.row < b.place.row; });
    return rows;
}

uint32_t OptionField::Get(const RadioSettings& s) const
{
    const uint8_t* bytes = s.BlockBytes() + offset;
    return width == 1 ? bytes[0] : uint32_t(bytes[0] | bytes[1] << 8);
}

void OptionField::Set(RadioSettings& s, uint32_t value) const
{
    uint8_t* bytes = s.BlockBytes() + offset;
    bytes[0] = uint8_t(value);
    if (width == 2)
        bytes[1] = uint8_t(value >> 8);
}

uint32_t OptionField::Max() const { return width == 1 ? ByteMax : WordMax; }

bool OptionField::Offers(uint32_t value) const
{
    if (kind == OptionKind::Flag)
        return value <= 1;
    return std::any_of(choices.begin(), choices.end(), [value](const Choice& c) { return c.value == value; });
}

int OptionField::IndexOf(uint32_t value) const
{
    if (kind == OptionKind::Flag || choices.empty())
        return -1;
    if (match == ValueMatch::Stepwise) {
        const int first = int(choices[0].value);
        const int step = choices.size() > 1 ? int(choices[1].value) - first : 1;
        const int index = (int(value) - first) / step;
        return index >= 0 && size_t(index) < choices.size() ? index : -1;
    }
    const auto found = std::find_if(choices.begin(), choices.end(), [value](const Choice& c) { return c.value == value; });
    if (found != choices.end())
        return int(found - choices.begin());
    return match == ValueMatch::ExactElseFirst ? 0 : -1;
}

bool OptionField::Ticked(uint32_t value) const { return tick == TickRule::ExactlyOne ? value == 1 : value != 0; }

std::string DtmfCodeField::Text(const RadioSettings& s) const
{
    return DtmfText(Codes(s), DtmfCodeCapacity, Length(s));
}

void DtmfCodeField::Store(RadioSettings& s, std::string_view text) const
{
    StoreDtmfText(text, Codes(s), DtmfCodeCapacity, Length(s));
}

void SetOptionDefaults(RadioSettings& s)
{
    for (const OptionField& field : OptionFields())
        field.Set(s, field.defaultValue);
}
