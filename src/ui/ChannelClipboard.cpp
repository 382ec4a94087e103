#include "ui/ChannelClipboard.h"

#include <QMimeData>

#include "files/ChannelCsv.h"
#include "lang/ChannelTexts.h"

namespace {

const QString ChannelRowsMimeType = QStringLiteral("application/x-kr-t27-channel-rows");

}

QString ChannelRowsText(const RadioSettings& settings, const ChannelNumbers& channels)
{
    return QString::fromStdString(ExportChannelCsvRows(settings, channels, CsvTab).text);
}

ChannelCsvImport PasteChannelRowsText(const QString& text, const BandLimits& band, unsigned first,
                                      RadioSettings& settings)
{
    const std::string table = text.toStdString();
    const GridTableWords gridWords = ChannelGridTableWords();
    ChannelCsvImportOptions options;
    options.band = band;
    options.firstChannel = first;
    options.separator = GuessCsvSeparator(table);
    options.gridWords = &gridWords;
    return ImportChannelCsv(table, options, settings);
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
