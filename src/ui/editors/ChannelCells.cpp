#include "ui/editors/ChannelCells.h"

#include <iterator>

#include "lang/TextTable.h"
#include "model/ChannelFields.h"
#include "model/Frequency.h"
#include "model/Tone.h"
#include "ui/editors/NameText.h"

namespace {

// Titles of the columns up to the busy lock, in column order.
constexpr TextEntry ColumnTitleEntries[] = {
    TextEntry::ChannelNo, TextEntry::RxFreq,    TextEntry::TxFreq, TextEntry::QtDqtDec,    TextEntry::QtDqtEnc,
    TextEntry::TxPower,   TextEntry::Bandwidth, TextEntry::Scn,    TextEntry::BusyInhibit,
};
constexpr TextEntry SquelchModeEntries[] = {
    TextEntry::SquelchCarrier,       TextEntry::SquelchDtmf,         TextEntry::SquelchCtcDcs,
    TextEntry::SquelchDtmfAndCtcDcs, TextEntry::SquelchDtmfOrCtcDcs,
};
static_assert(std::size(SquelchModeEntries) == ChSquelchModeCount);
const QString DtmfTitle = QStringLiteral("DTMF");

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

std::optional<QString> BusyLockText(uint8_t busyLock)
{
    switch (busyLock) {
    case BusyOff:
        return Tr(TextEntry::BusyLockOff);
    case BusyCarrier:
        return Tr(TextEntry::Cat);
    case BusyTone:
        return Tr(TextEntry::Dqt);
    default:
        return std::nullopt;
    }
}

QString SquelchModeText(uint8_t mode)
{
    const QStringList texts = ChSquelchModeTexts();
    return mode < texts.size() ? texts[mode] : QString();
}

}

QStringList ChannelColumnTitles()
{
    QStringList titles;
    for (TextEntry entry : ColumnTitleEntries)
        titles << Tr(entry);
    titles << DtmfTitle << Tr(TextEntry::SquelchMode) << Tr(TextEntry::ChannelName);
    return titles;
}

QStringList ChSquelchModeTexts()
{
    QStringList texts;
    for (TextEntry entry : SquelchModeEntries)
        texts << Tr(entry);
    return texts;
}

ChannelCellTexts CellTextsOf(const ChannelRecord& channel)
{
    ChannelCellTexts texts;
    texts[ColRxFreq] = FrequencyText(channel.RxFreq);
    texts[ColTxFreq] = FrequencyText(channel.TxFreq);
    texts[ColDecodeTone] = ToneText(channel.DecCode, channel.DecType);
    texts[ColEncodeTone] = ToneText(channel.EncCode, channel.EncType);
    texts[ColPower] = PowerText(channel.Power());
    texts[ColBandwidth] = Tr(channel.Bandwidth() ? TextEntry::Wide : TextEntry::Narrow);
    texts[ColScanAdd] = Tr(channel.ScanAdd() ? TextEntry::Add : TextEntry::Del);
    texts[ColBusyLock] = BusyLockText(channel.BusyLock());
    texts[ColDtmf] = Tr(channel.Dtmf() ? TextEntry::DtmfOn : TextEntry::DtmfOff);
    texts[ColSquelchMode] = SquelchModeText(channel.ChSquelchMode());
    texts[ColName] = NameFromBytes(channel.Name, NameCapacity);
    return texts;
}
