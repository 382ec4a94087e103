#include "cli/RecordDump.h"

#include <QStringList>

#include "cli/RecordFields.h"
#include "lang/TextTable.h"
#include "model/Frequency.h"
#include "model/Tone.h"

namespace {

QStringList ChannelTitles()
{
    return {Tr(16), Tr(17), Tr(18), Tr(19), Tr(20), Tr(21), Tr(22), Tr(23), "DTMF", Tr(45), Tr(24)};
}

QString PowerText(uint8_t power) { return power == 1 ? Tr(26) : power == 0 ? Tr(27) : Tr(206); }

QString BusyLockText(uint8_t busy)
{
    const int entries[] = {32, 34, 33};
    return busy < 3 ? Tr(entries[busy]) : QString();
}

QString SquelchModeText(uint8_t mode) { return mode <= 4 ? Tr(76 + mode) : QString(); }

QStringList ChannelCells(const ChannelRecord& ch)
{
    return {QString::fromStdString(FormatFrequency(ch.RxFreq)),
            QString::fromStdString(FormatFrequency(ch.TxFreq)),
            QString::fromStdString(FormatToneText(ch.DecCode, ToneType(ch.DecType))),
            QString::fromStdString(FormatToneText(ch.EncCode, ToneType(ch.EncType))),
            PowerText(ch.Power()),
            ch.Bandwidth() ? Tr(28) : Tr(29),
            ch.ScanAdd() ? Tr(30) : Tr(31),
            BusyLockText(ch.BusyLock()),
            ch.Dtmf() ? Tr(201) : Tr(202),
            SquelchModeText(ch.ChSquelchMode()),
            FieldText(ch.Name, NameCapacity)};
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
    QList<QStringList> rows{QStringList{Tr(15)} + ChannelTitles()};
    for (unsigned i = 1; i <= ChannelCount; ++i) {
        QStringList cells{QString::asprintf("%02u", i)};
        if (s.IsChannelUsed(i))
            cells += ChannelCells(s.Channel[i]);
        rows.append(cells);
    }
    QList<int> widths(rows.front().size(), 0);
    for (const auto& r : rows)
        for (int i = 0; i < r.size(); ++i)
            widths[i] = std::max(widths[i], DisplayWidth(r[i]));
    QString table;
    for (const auto& r : rows)
        table += Row(r, widths);
    return table;
}

}

std::string DumpRecordText(const RadioSettings& s)
{
    QString out = "Channels\n" + ChannelTable(s);
    out += "\nOptions\n";
    for (const auto& f : NumberFields())
        out += QString("  %1: %2\n").arg(f.name).arg(f.get(s));
    out += "\nDTMF codes\n";
    for (const auto& f : DtmfCodeFields())
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
