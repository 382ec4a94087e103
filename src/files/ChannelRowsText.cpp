#include "files/ChannelRowsText.h"

#include "files/ChannelCsv.h"

std::string ChannelRowsText(const RadioSettings& settings, const ChannelNumbers& channels)
{
    return ExportChannelCsvRows(settings, channels, CsvTab).text;
}

ChannelCsvImport PasteChannelRowsText(std::string_view text, const BandLimits& band, unsigned first,
                                      RadioSettings& settings, const GridTableWords* gridWords)
{
    ChannelCsvImportOptions options;
    options.gridWords = gridWords;
    options.band = band;
    options.firstChannel = first;
    options.separator = GuessCsvSeparator(text);
    return ImportChannelCsv(text, options, settings);
}
