#include "lang/ChannelTexts.h"

#include <algorithm>
#include <iterator>

#include "lang/TextTable.h"
#include "model/ChannelFields.h"
#include "model/Frequency.h"
#include "model/Tone.h"
#include "text/GbkEncoding.h"

namespace {

// The DTMF column keeps its title in every language.
const QString DtmfTitle = QStringLiteral("DTMF");

constexpr TextEntry SquelchModeEntries[] = {
    TextEntry::SquelchCarrier,       TextEntry::SquelchDtmf,         TextEntry::SquelchCtcDcs,
    TextEntry::SquelchDtmfAndCtcDcs, TextEntry::SquelchDtmfOrCtcDcs,
};
static_assert(std::size(SquelchModeEntries) == ChSquelchModeCount);

QString FrequencyText(uint32_t hz) { return QString::fromStdString(FormatFrequency(hz)); }

QString ToneText(uint16_t code, uint8_t type) { return QString::fromStdString(FormatToneText(code, ToneType(type))); }

QString PowerText(uint8_t power)
{
    switch (power) {
    case PowerHigh:
        return Tr(TextEntry::High);
    case PowerLow:
        return Tr(TextEntry::Low);
    default:
        return Tr(TextEntry::Mid);
    }
}

QString BusyLockText(uint8_t busyLock)
{
    switch (busyLock) {
    case BusyOff:
        return Tr(TextEntry::BusyLockOff);
    case BusyCarrier:
        return Tr(TextEntry::Cat);
    case BusyTone:
        return Tr(TextEntry::Dqt);
    default:
        return QString();
    }
}

QString SquelchModeText(uint8_t mode) { return mode < ChSquelchModeCount ? Tr(SquelchModeEntries[mode]) : QString(); }

// Channel names are GBK bytes, zero-padded, without terminator when the field is full.
QString NameText(const uint8_t (&name)[NameCapacity])
{
    const auto* text = reinterpret_cast<const char*>(name);
    const size_t length = size_t(std::find(text, text + NameCapacity, '\0') - text);
    return QString::fromStdString(GbkToUtf8(std::string_view(text, length)));
}

QString ValueText(const ChannelRecord& channel, ChannelColumn column)
{
    switch (column) {
    case ColRxFreq:
        return FrequencyText(channel.RxFreq);
    case ColTxFreq:
        return FrequencyText(channel.TxFreq);
    case ColDecodeTone:
        return ToneText(channel.DecCode, channel.DecType);
    case ColEncodeTone:
        return ToneText(channel.EncCode, channel.EncType);
    case ColPower:
        return PowerText(channel.Power());
    case ColBandwidth:
        return Tr(channel.Bandwidth() ? TextEntry::Wide : TextEntry::Narrow);
    case ColScanAdd:
        return Tr(channel.ScanAdd() ? TextEntry::Add : TextEntry::Del);
    case ColBusyLock:
        return BusyLockText(channel.BusyLock());
    case ColDtmf:
        return Tr(channel.Dtmf() ? TextEntry::DtmfOn : TextEntry::DtmfOff);
    case ColSquelchMode:
        return SquelchModeText(channel.ChSquelchMode());
    case ColName:
        return NameText(channel.Name);
    case ColNumber:
    case ChannelColumnCount:
        break;
    }
    return QString();
}

}

QString ChannelColumnTitle(ChannelColumn column)
{
    switch (column) {
    case ColNumber:
        return Tr(TextEntry::ChannelNo);
    case ColRxFreq:
        return Tr(TextEntry::RxFreq);
    case ColTxFreq:
        return Tr(TextEntry::TxFreq);
    case ColDecodeTone:
        return Tr(TextEntry::QtDqtDec);
    case ColEncodeTone:
        return Tr(TextEntry::QtDqtEnc);
    case ColPower:
        return Tr(TextEntry::TxPower);
    case ColBandwidth:
        return Tr(TextEntry::Bandwidth);
    case ColScanAdd:
        return Tr(TextEntry::Scn);
    case ColBusyLock:
        return Tr(TextEntry::BusyInhibit);
    case ColDtmf:
        return DtmfTitle;
    case ColSquelchMode:
        return Tr(TextEntry::SquelchMode);
    case ColName:
        return Tr(TextEntry::ChannelName);
    case ChannelColumnCount:
        break;
    }
    return QString();
}

QStringList ChannelColumnTitles()
{
    QStringList titles;
    for (int column = 0; column < ChannelColumnCount; ++column)
        titles << ChannelColumnTitle(ChannelColumn(column));
    return titles;
}

QString ChannelCellText(const RadioSettings& settings, unsigned channel, ChannelColumn column)
{
    if (column == ColNumber)
        return QString::asprintf("%02u", channel);
    if (channel < 1 || channel > ChannelCount || !settings.IsChannelUsed(channel))
        return QString();
    return ValueText(settings.Channel[channel], column);
}

QStringList ChSquelchModeTexts()
{
    QStringList texts;
    for (TextEntry entry : SquelchModeEntries)
        texts << Tr(entry);
    return texts;
}
