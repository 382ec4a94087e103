#include "files/ChannelCsv.h"

#include <iterator>
#include <numeric>

#include "files/ChannelCsvFormat.h"
#include "files/CsvTones.h"
#include "files/MegahertzText.h"
#include "text/GbkEncoding.h"

namespace {

constexpr uint32_t FiveKilohertz = 5000;
constexpr uint32_t SplitFromHertz = 70000000;
constexpr uint8_t PowerLowValue = 0;
constexpr uint8_t PowerHighValue = 1;

std::string_view NameBytes(const ChannelRecord& channel)
{
    const auto* bytes = reinterpret_cast<const char*>(channel.Name);
    size_t length = 0;
    while (length < NameCapacity && bytes[length] != '\0')
        ++length;
    return std::string_view(bytes, length);
}

struct DuplexColumns {
    std::string duplex;
    std::string offset;
};

DuplexColumns DuplexOf(uint32_t rx, uint32_t tx)
{
    if (tx == 0)
        return {DuplexOff, MegahertzText(0)};
    if (tx == rx)
        return {"", MegahertzText(0)};
    const uint32_t difference = tx > rx ? tx - rx : rx - tx;
    if (difference >= SplitFromHertz)
        return {DuplexSplit, MegahertzText(tx)};
    return {tx > rx ? DuplexPlus : DuplexMinus, MegahertzText(difference)};
}

const char* PowerText(uint8_t power)
{
    switch (power) {
    case PowerHighValue:
        return PowerHighText;
    case PowerLowValue:
        return PowerLowText;
    default:
        return PowerMidText;
    }
}

std::string BusyLockText(uint8_t busyLock)
{
    return busyLock < std::size(BusyLockTexts) ? BusyLockTexts[busyLock] : BusyLockTexts[0];
}

std::string SquelchModeText(uint8_t mode) { return mode < std::size(SquelchModeTexts) ? SquelchModeTexts[mode] : ""; }

}

const std::vector<std::string>& ChannelCsvColumns()
{
    static const std::vector<std::string> columns(std::begin(CsvColumnNames), std::end(CsvColumnNames));
    return columns;
}

std::vector<std::string> ChannelCsvRow(unsigned number, const ChannelRecord& channel)
{
    const uint32_t rx = channel.RxFreq;
    const uint32_t tx = channel.TxFreq;
    const DuplexColumns duplex = DuplexOf(rx, tx);
    const CsvToneColumns tones = ToneColumnsOf(
        {ToneType(channel.EncType), channel.EncCode, ToneType(channel.DecType), channel.DecCode});
    const bool fiveKilohertzRaster = rx % FiveKilohertz == 0 && tx % FiveKilohertz == 0;

    std::vector<std::string> row(CsvColumnCount);
    row[ColLocation] = std::to_string(number);
    row[ColName] = SpreadsheetTextField(GbkToUtf8(NameBytes(channel)));
    row[ColFrequency] = MegahertzText(rx);
    row[ColDuplex] = duplex.duplex;
    row[ColOffset] = duplex.offset;
    row[ColTone] = tones.tone;
    row[ColRToneFreq] = tones.rToneFreq;
    row[ColCToneFreq] = tones.cToneFreq;
    row[ColDtcsCode] = tones.dtcsCode;
    row[ColDtcsPolarity] = tones.dtcsPolarity;
    row[ColRxDtcsCode] = tones.rxDtcsCode;
    row[ColCrossMode] = tones.crossMode;
    row[ColMode] = channel.Bandwidth() ? ModeWide : ModeNarrow;
    row[ColTStep] = fiveKilohertzRaster ? StepFiveKilohertz : StepSixPointTwoFive;
    row[ColSkip] = channel.ScanAdd() ? "" : SkipScan;
    row[ColPower] = PowerText(channel.Power());
    row[ColBusyLock] = BusyLockText(channel.BusyLock());
    row[ColDtmf] = channel.Dtmf() ? DtmfOnText : DtmfOffText;
    row[ColSquelchMode] = SquelchModeText(channel.ChSquelchMode());
    return row;
}

ChannelCsvExport ExportChannelCsv(const RadioSettings& settings, char separator)
{
    std::vector<unsigned> everyChannel(ChannelCount);
    std::iota(everyChannel.begin(), everyChannel.end(), 1u);
    return ExportChannelCsvRows(settings, everyChannel, separator);
}

ChannelCsvExport ExportChannelCsvRows(const RadioSettings& settings, const std::vector<unsigned>& channels,
                                      char separator)
{
    ChannelCsvExport exported;
    exported.text = FormatCsvRecord(ChannelCsvColumns(), separator) + CsvLineEnd;
    for (unsigned n : channels) {
        if (!settings.IsChannelUsed(n))
            continue;
        const std::vector<std::string> row = ChannelCsvRow(n, settings.Channel[n]);
        if (!TryGbkToUtf8(NameBytes(settings.Channel[n])))
            exported.notes.push_back({n, row[ColName]});
        exported.text += FormatCsvRecord(row, separator) + CsvLineEnd;
    }
    return exported;
}
