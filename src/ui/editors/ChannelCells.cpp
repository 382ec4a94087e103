#include "ui/editors/ChannelCells.h"

#include "lang/TextTable.h"
#include "model/ChannelFields.h"
#include "model/Frequency.h"
#include "model/Tone.h"
#include "ui/editors/ChannelTextEntries.h"

namespace {

constexpr int FirstColumnTitleEntry = 15;   // "NO." .. "Busy Inhibit" run through column 8
constexpr int SquelchModeTitleEntry = 45;
constexpr int FirstSquelchModeEntry = 76;
const QString DtmfTitle = QStringLiteral("DTMF");

QString FrequencyText(uint32_t hz) { return QString::fromStdString(FormatFrequency(hz)); }

QString ToneText(uint16_t code, uint8_t type) { return QString::fromStdString(FormatToneText(code, ToneType(type))); }

QString PowerText(uint8_t power)
{
    switch (power) {
    case PowerHigh:
        return Tr(EntryHigh);
    case PowerLow:
        return Tr(EntryLow);
    default:
        return Tr(EntryMid);
    }
}

std::optional<QString> BusyLockText(uint8_t busyLock)
{
    switch (busyLock) {
    case BusyOff:
        return Tr(EntryBusyOff);
    case BusyCarrier:
        return Tr(EntryBusyCarrier);
    case BusyTone:
        return Tr(EntryBusyTone);
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
    for (int column = ColNumber; column <= ColBusyLock; ++column)
        titles << Tr(FirstColumnTitleEntry + column);
    titles << DtmfTitle << Tr(SquelchModeTitleEntry);
    return titles;
}

QStringList ChSquelchModeTexts()
{
    QStringList texts;
    for (int mode = 0; mode < ChSquelchModeCount; ++mode)
        texts << Tr(FirstSquelchModeEntry + mode);
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
    texts[ColBandwidth] = Tr(channel.Bandwidth() ? EntryWide : EntryNarrow);
    texts[ColScanAdd] = Tr(channel.ScanAdd() ? EntryAdd : EntryDel);
    texts[ColBusyLock] = BusyLockText(channel.BusyLock());
    texts[ColDtmf] = Tr(channel.Dtmf() ? EntryDtmfOn : EntryDtmfOff);
    texts[ColSquelchMode] = SquelchModeText(channel.ChSquelchMode());
    return texts;
}
