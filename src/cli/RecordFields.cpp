#include "cli/RecordFields.h"

#include <limits>

#include "model/DtmfDigits.h"
#include "text/GbkEncoding.h"

namespace {

// The caller has checked the value against the field's width.
void Assign(uint8_t& field, unsigned value) { field = uint8_t(value); }
void Assign(LeU16& field, unsigned value) { field = uint16_t(value); }

}

#define KR_NUMBER_FIELD(f)                                                                             \
    NumberField                                                                                        \
    {                                                                                                  \
        #f, [](const RadioSettings& s) -> unsigned { return s.f; },                                    \
            [](RadioSettings& s, unsigned v) { Assign(s.f, v); },                              \
            sizeof(RadioSettings::f) == 1 ? std::numeric_limits<uint8_t>::max() : std::numeric_limits<uint16_t>::max() \
    }

const std::vector<NumberField>& NumberFields()
{
    static const std::vector<NumberField> fields = {
        KR_NUMBER_FIELD(Voice),          KR_NUMBER_FIELD(Sql),
        KR_NUMBER_FIELD(SquelchMode),    KR_NUMBER_FIELD(SubaudioTail),
        KR_NUMBER_FIELD(VoxCtrl),        KR_NUMBER_FIELD(Vox),
        KR_NUMBER_FIELD(VoxDelay),       KR_NUMBER_FIELD(Tot),
        KR_NUMBER_FIELD(Scan),           KR_NUMBER_FIELD(PriScan),
        KR_NUMBER_FIELD(Beep),           KR_NUMBER_FIELD(Saving),
        KR_NUMBER_FIELD(Apo),            KR_NUMBER_FIELD(ChannelReport),
        KR_NUMBER_FIELD(Tone1750Ctrl),   KR_NUMBER_FIELD(Tone1750),
        KR_NUMBER_FIELD(DtmfId),         KR_NUMBER_FIELD(DtmfGroup),
        KR_NUMBER_FIELD(DtmfEncodeMode), KR_NUMBER_FIELD(DtmfSideTone),
        KR_NUMBER_FIELD(DtmfControl),    KR_NUMBER_FIELD(DtmfDigitSpeed),
        KR_NUMBER_FIELD(DtmfPauseDuration), KR_NUMBER_FIELD(DtmfFirstDelay),
        KR_NUMBER_FIELD(DtmfPretime),    KR_NUMBER_FIELD(DtmfStarHashDelay),
        KR_NUMBER_FIELD(GroupCode),      KR_NUMBER_FIELD(AutoReset),
        KR_NUMBER_FIELD(SendAni),        KR_NUMBER_FIELD(Limited),
        KR_NUMBER_FIELD(StunKillState),  KR_NUMBER_FIELD(Whisper),
        KR_NUMBER_FIELD(AlarmMode),      KR_NUMBER_FIELD(RefuseAlarm),
        KR_NUMBER_FIELD(AutoConnect),    KR_NUMBER_FIELD(AutoConnectPos),
        KR_NUMBER_FIELD(MasterTxPeriod), KR_NUMBER_FIELD(SlaveTimeout),
        KR_NUMBER_FIELD(SlaveAlarmPeriod), KR_NUMBER_FIELD(PowerOnBeep),
        KR_NUMBER_FIELD(Key1Short),      KR_NUMBER_FIELD(Key1Long),
        KR_NUMBER_FIELD(Key2Short),      KR_NUMBER_FIELD(Key2Long),
    };
    return fields;
}
#undef KR_NUMBER_FIELD

const std::vector<DtmfCodeField>& DtmfCodeFields()
{
    static const std::vector<DtmfCodeField> fields = {
        {"RemoteStunCode", &RadioSettings::RemoteStunCode, &RadioSettings::RemoteStunCodeLength},
        {"RemoteKillCode", &RadioSettings::RemoteKillCode, &RadioSettings::RemoteKillCodeLength},
        {"ActivationCode", &RadioSettings::ActivationCode, &RadioSettings::ActivationCodeLength},
        {"PttId", &RadioSettings::PttId, &RadioSettings::PttIdLength},
        {"Ani", &RadioSettings::Ani, &RadioSettings::AniLength},
    };
    return fields;
}

QString FieldText(const uint8_t* bytes, size_t size)
{
    size_t n = 0;
    while (n < size && bytes[n] != 0)
        ++n;
    return QString::fromStdString(GbkToUtf8(std::string_view(reinterpret_cast<const char*>(bytes), n)));
}

QString DtmfCodeText(const RadioSettings& s, const DtmfCodeField& f)
{
    return QString::fromStdString(DtmfText(s.*f.codes, DtmfCodeCapacity, s.*f.length));
}

QString EntryIdText(const AddressBookEntry& e)
{
    return QString::fromStdString(DtmfText(e.Id, AddrBookIdCapacity, e.IdLength));
}
