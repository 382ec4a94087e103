#include "cli/RecordDump.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include "lang/ChannelTexts.h"
#include "model/DtmfDigits.h"
#include "model/Tone.h"

namespace {

struct NumberField {
    const char* name;
    unsigned (*get)(const RadioSettings&);
};

#define KR_NUMBER_FIELD(f) {#f, [](const RadioSettings& s) -> unsigned { return s.f; }}
const NumberField NumberFields[] = {
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
#undef KR_NUMBER_FIELD

struct DtmfCodeField {
    const char* name;
    const uint8_t (RadioSettings::*codes)[DtmfCodeCapacity];
    uint8_t RadioSettings::*length;
};

const DtmfCodeField DtmfCodeFields[] = {
    {"RemoteStunCode", &RadioSettings::RemoteStunCode, &RadioSettings::RemoteStunCodeLength},
    {"RemoteKillCode", &RadioSettings::RemoteKillCode, &RadioSettings::RemoteKillCodeLength},
    {"ActivationCode", &RadioSettings::ActivationCode, &RadioSettings::ActivationCodeLength},
    {"PttId", &RadioSettings::PttId, &RadioSettings::PttIdLength},
    {"Ani", &RadioSettings::Ani, &RadioSettings::AniLength},
};

// Fixed-size text fields end at their first zero byte; names are GBK like every text of the radio.
QString FieldText(const uint8_t* bytes, size_t size)
{
    size_t n = 0;
    while (n < size && bytes[n] != 0)
        ++n;
    QStringDecoder gbk("GBK");
    return gbk.decode(QByteArray(reinterpret_cast<const char*>(bytes), int(n)));
}

QString DtmfCodeText(const RadioSettings& s, const DtmfCodeField& f)
{
    return QString::fromStdString(DtmfText(s.*f.codes, DtmfCodeCapacity, s.*f.length));
}

QString EntryIdText(const AddressBookEntry& e)
{
    return QString::fromStdString(DtmfText(e.Id, AddrBookIdCapacity, e.IdLength));
}

// A channel not in use shows its number only: its empty cells vanish when the row is trimmed.
QStringList ChannelRow(const RadioSettings& s, unsigned channel)
{
    QStringList cells;
    for (int column = 0; column < ChannelColumnCount; ++column)
        cells << ChannelCellText(s, channel, ChannelColumn(column));
    return cells;
}

// Terminal columns a text takes: wide (East Asian) characters take two.
int DisplayWidth(const QString& text)
{
    int width = 0;
    for (QChar c : text)
        width += c.unicode() >= 0x1100 && !c.isLowSurrogate() ? 2 : 1;
    return width;
}

QString Row(const QStringList& cells, const QList<int>& widths)
{
    QString row;
    for (int i = 0; i < cells.size(); ++i)
        row += cells[i] + QString(widths[i] - DisplayWidth(cells[i]) + 2, ' ');
    return row.trimmed() + '\n';
}

QString ChannelTable(const RadioSettings& s)
{
    QList<QStringList> rows{ChannelColumnTitles()};
    for (unsigned i = 1; i <= ChannelCount; ++i)
        rows.append(ChannelRow(s, i));
    QList<int> widths(rows.front().size(), 0);
    for (const auto& r : rows)
        for (int i = 0; i < r.size(); ++i)
            widths[i] = std::max(widths[i], DisplayWidth(r[i]));
    QString table;
    for (const auto& r : rows)
        table += Row(r, widths);
    return table;
}

QJsonObject ChannelJson(unsigned i, const ChannelRecord& ch)
{
    return QJsonObject{
        {"Channel", int(i)},
        {"RxFreq", qint64(uint32_t(ch.RxFreq))},
        {"TxFreq", qint64(uint32_t(ch.TxFreq))},
        {"DecType", ch.DecType},
        {"DecCode", int(uint16_t(ch.DecCode))},
        {"DecText", QString::fromStdString(FormatToneText(ch.DecCode, ToneType(ch.DecType)))},
        {"EncType", ch.EncType},
        {"EncCode", int(uint16_t(ch.EncCode))},
        {"EncText", QString::fromStdString(FormatToneText(ch.EncCode, ToneType(ch.EncType)))},
        {"ChSquelchMode", ch.ChSquelchMode()},
        {"BusyLock", ch.BusyLock()},
        {"ScanAdd", ch.ScanAdd()},
        {"Power", ch.Power()},
        {"Bandwidth", ch.Bandwidth()},
        {"Dtmf", ch.Dtmf()},
        {"Extra", QJsonArray{ch.Extra[0], ch.Extra[1]}},
        {"Name", FieldText(ch.Name, NameCapacity)},
    };
}

QJsonObject EntryJson(unsigned k, const AddressBookEntry& e)
{
    return QJsonObject{
        {"Entry", int(k)},
        {"EntryNumber", e.EntryNumber},
        {"Id", EntryIdText(e)},
        {"IdLength", e.IdLength},
        {"EntryName", FieldText(e.EntryName, NameCapacity)},
    };
}

QJsonObject RadioInfoJson(const RadioInfo& info)
{
    return QJsonObject{{"BandMin", qint64(uint32_t(info.BandMin))}, {"BandMax", qint64(uint32_t(info.BandMax))}};
}

}

std::string DumpRecordText(const RadioSettings& s)
{
    QString out = "Channels\n" + ChannelTable(s);
    out += "\nOptions\n";
    for (const auto& f : NumberFields)
        out += QString("  %1: %2\n").arg(f.name).arg(f.get(s));
    out += "\nDTMF codes\n";
    for (const auto& f : DtmfCodeFields)
        out += QString("  %1: %2\n").arg(f.name, DtmfCodeText(s, f));
    out += "\nAddress book\n";
    for (unsigned k = 1; k <= AddrBookEntryCount; ++k)
        if (s.IsAddrBookEntryUsed(k))
            out += QString("  %1  %2  %3\n").arg(k, 2).arg(FieldText(s.Entry(k).EntryName, NameCapacity), EntryIdText(s.Entry(k)));
    out += "\nRadio\n";
    out += "  DeviceSn: " + FieldText(s.DeviceSn, DeviceSnSize) + '\n';
    out += "  SoftwareVersion: " + FieldText(s.SoftwareVersion, SoftwareVersionFieldSize) + '\n';
    return out.toStdString();
}

std::string DumpRecordJson(const RadioSettings& s)
{
    QJsonObject root;
    QJsonArray channels, entries;
    for (unsigned i = 1; i <= ChannelCount; ++i)
        if (s.IsChannelUsed(i))
            channels.append(ChannelJson(i, s.Channel[i]));
    for (unsigned k = 1; k <= AddrBookEntryCount; ++k)
        if (s.IsAddrBookEntryUsed(k))
            entries.append(EntryJson(k, s.Entry(k)));
    root["Channel"] = channels;
    root["AddrBook"] = entries;
    for (const auto& f : NumberFields)
        root[f.name] = int(f.get(s));
    for (const auto& f : DtmfCodeFields)
        root[f.name] = DtmfCodeText(s, f);
    root["DeviceSn"] = FieldText(s.DeviceSn, DeviceSnSize);
    root["SoftwareVersion"] = FieldText(s.SoftwareVersion, SoftwareVersionFieldSize);
    root["Password"] = FieldText(s.Password, PasswordFieldSize);
    root["NewPassword"] = FieldText(s.NewPassword, PasswordFieldSize);
    root["WriteRadioInfo"] = RadioInfoJson(s.WriteRadioInfo);
    root["ReadRadioInfo"] = RadioInfoJson(s.ReadRadioInfo);
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}
