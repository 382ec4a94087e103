#include "cli/RecordDump.h"

#include <QStringList>

#include "cli/RecordFields.h"
#include "lang/ChannelTexts.h"
#include "model/OptionTable.h"
#include "text/PrintableText.h"

namespace {

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

// What the radio reported of itself, which a terminal must not take for control sequences.
QString RadioText(const uint8_t* bytes, size_t size)
{
    return QString::fromStdString(PrintableText(FieldText(bytes, size).toStdString()));
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

}

std::string DumpRecordText(const RadioSettings& s)
{
    QString out = "Channels\n" + ChannelTable(s);
    out += "\nOptions\n";
    for (const OptionField& f : OptionFields())
        out += QString("  %1: %2\n").arg(f.name).arg(f.Get(s));
    out += "\nDTMF codes\n";
    for (const DtmfCodeField& f : DtmfCodeFields())
        out += QString("  %1: %2\n").arg(f.name, QString::fromStdString(f.Text(s)));
    out += "\nAddress book\n";
    for (unsigned k = 1; k <= AddrBookEntryCount; ++k)
        if (s.IsAddrBookEntryUsed(k))
            out += QString("  %1  %2  %3\n").arg(k, 2).arg(FieldText(s.Entry(k).EntryName, NameCapacity), EntryIdText(s.Entry(k)));
    out += "\nRadio\n";
    out += "  DeviceSn: " + RadioText(s.DeviceSn, DeviceSnSize) + '\n';
    out += "  SoftwareVersion: " + RadioText(s.SoftwareVersion, SoftwareVersionFieldSize) + '\n';
    return out.toStdString();
}
