#include "ui/ChannelClipboard.h"

#include <QMimeData>

#include "lang/ChannelTexts.h"

namespace {

const QString ChannelRowsMimeType = QStringLiteral("application/x-kr-t27-channel-rows");
const QString FieldSeparator = QStringLiteral("\t");
const QString LineEnd = QStringLiteral("\n");

QString RowText(const RadioSettings& settings, unsigned channel)
{
    QStringList fields{QString::number(channel)};
    for (int column = ColRxFreq; column < ChannelColumnCount; ++column)
        fields << ChannelCellText(settings, channel, ChannelColumn(column));
    return fields.join(FieldSeparator);
}

}

QString ChannelRowsText(const RadioSettings& settings, const ChannelNumbers& channels)
{
    QString text = ChannelColumnTitles().join(FieldSeparator) + LineEnd;
    for (unsigned n : channels)
        if (settings.IsChannelUsed(n))
            text += RowText(settings, n) + LineEnd;
    return text;
}

QMimeData* ChannelRowsMimeData(const std::vector<ChannelRow>& rows, const QString& text)
{
    const std::vector<uint8_t> packed = PackChannelRows(rows);
    auto* data = new QMimeData;
    data->setData(ChannelRowsMimeType, QByteArray(reinterpret_cast<const char*>(packed.data()), qsizetype(packed.size())));
    data->setText(text);
    return data;
}

std::optional<std::vector<ChannelRow>> ChannelRowsFromMimeData(const QMimeData* data)
{
    if (!data || !data->hasFormat(ChannelRowsMimeType))
        return std::nullopt;
    const QByteArray bytes = data->data(ChannelRowsMimeType);
    return UnpackChannelRows(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
}
