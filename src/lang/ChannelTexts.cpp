#include "lang/ChannelTexts.h"

#include <cstdio>
#include <iterator>

#include "lang/RecordText.h"
#include "lang/Utf8Text.h"
#include "model/ChannelFields.h"
#include "model/Frequency.h"
#include "model/Tone.h"
#include "text/GbkEncoding.h"

using TTeskFuncs::TLangType;

namespace {

// The DTMF column keeps its title in every language.
constexpr const char* DtmfTitle = "DTMF";

constexpr TextEntry SquelchModeEntries[] = {
    TextEntry::SquelchCarrier,       TextEntry::SquelchDtmf,         TextEntry::SquelchCtcDcs,
    TextEntry::SquelchDtmfAndCtcDcs, TextEntry::SquelchDtmfOrCtcDcs,
};
static_assert(std::size(SquelchModeEntries) == ChSquelchModeCount);

std::string ToneText(uint16_t code, uint8_t type) { return FormatToneText(code, ToneType(type)); }

TextEntry PowerEntry(uint8_t power)
{
    switch (power) {
    case PowerHigh:
        return TextEntry::High;
    case PowerLow:
        return TextEntry::Low;
    default:
        return TextEntry::Mid;
    }
}

std::string BusyLockText(uint8_t busyLock, TLangType language)
{
    switch (busyLock) {
    case BusyOff:
        return EntryUtf8(TextEntry::BusyLockOff, language);
    case BusyCarrier:
        return EntryUtf8(TextEntry::Cat, language);
    case BusyTone:
        return EntryUtf8(TextEntry::Dqt, language);
    default:
        return {};
    }
}

std::string SquelchModeText(uint8_t mode, TLangType language)
{
    return mode < ChSquelchModeCount ? EntryUtf8(SquelchModeEntries[mode], language) : std::string();
}

std::string ValueText(const ChannelRecord& channel, ChannelColumn column, TLangType language)
{
    switch (column) {
    case ColRxFreq:
        return FormatFrequency(channel.RxFreq);
    case ColTxFreq:
        return FormatFrequency(channel.TxFreq);
    case ColDecodeTone:
        return ToneText(channel.DecCode, channel.DecType);
    case ColEncodeTone:
        return ToneText(channel.EncCode, channel.EncType);
    case ColPower:
        return EntryUtf8(PowerEntry(channel.Power()), language);
    case ColBandwidth:
        return EntryUtf8(channel.Bandwidth() ? TextEntry::Wide : TextEntry::Narrow, language);
    case ColScanAdd:
        return EntryUtf8(channel.ScanAdd() ? TextEntry::Add : TextEntry::Del, language);
    case ColBusyLock:
        return BusyLockText(channel.BusyLock(), language);
    case ColDtmf:
        return EntryUtf8(channel.Dtmf() ? TextEntry::DtmfOn : TextEntry::DtmfOff, language);
    case ColSquelchMode:
        return SquelchModeText(channel.ChSquelchMode(), language);
    case ColName:
        return RecordTextUtf8(channel.Name, NameCapacity);
    case ColNumber:
    case ChannelColumnCount:
        break;
    }
    return {};
}

}

std::string ChannelColumnTitle(ChannelColumn column, TLangType language)
{
    switch (column) {
    case ColNumber:
        return EntryUtf8(TextEntry::ChannelNo, language);
    case ColRxFreq:
        return EntryUtf8(TextEntry::RxFreq, language);
    case ColTxFreq:
        return EntryUtf8(TextEntry::TxFreq, language);
    case ColDecodeTone:
        return EntryUtf8(TextEntry::QtDqtDec, language);
    case ColEncodeTone:
        return EntryUtf8(TextEntry::QtDqtEnc, language);
    case ColPower:
        return EntryUtf8(TextEntry::TxPower, language);
    case ColBandwidth:
        return EntryUtf8(TextEntry::Bandwidth, language);
    case ColScanAdd:
        return EntryUtf8(TextEntry::Scn, language);
    case ColBusyLock:
        return EntryUtf8(TextEntry::BusyInhibit, language);
    case ColDtmf:
        return DtmfTitle;
    case ColSquelchMode:
        return EntryUtf8(TextEntry::SquelchMode, language);
    case ColName:
        return EntryUtf8(TextEntry::ChannelName, language);
    case ChannelColumnCount:
        break;
    }
    return {};
}

static_assert(ChannelColumnCount - ColRxFreq == GridColumnCount && int(GridColumn::Name) + ColRxFreq == ColName,
              "a table in the grid's form has the grid's columns in their order");

std::vector<std::string> ChannelColumnTitles(TLangType language)
{
    std::vector<std::string> titles;
    for (int column = 0; column < ChannelColumnCount; ++column)
        titles.push_back(ChannelColumnTitle(ChannelColumn(column), language));
    return titles;
}

std::string ChannelCellText(const RadioSettings& settings, unsigned channel, ChannelColumn column, TLangType language)
{
    if (column == ColNumber) {
        char number[16];
        std::snprintf(number, sizeof number, "%02u", channel);
        return number;
    }
    if (channel < 1 || channel > ChannelCount || !settings.IsChannelUsed(channel))
        return {};
    return ValueText(settings.Channel[channel], column, language);
}

std::vector<std::string> ChannelRowTexts(const RadioSettings& settings, unsigned channel, TLangType language)
{
    std::vector<std::string> cells;
    for (int column = 0; column < ChannelColumnCount; ++column)
        cells.push_back(ChannelCellText(settings, channel, ChannelColumn(column), language));
    return cells;
}

std::vector<std::string> ChSquelchModeTexts(TLangType language)
{
    std::vector<std::string> texts;
    for (TextEntry entry : SquelchModeEntries)
        texts.push_back(EntryUtf8(entry, language));
    return texts;
}

std::vector<ChannelChoice> ChannelColumnChoices(ChannelColumn column, TLangType language)
{
    const auto choice = [language](TextEntry entry, uint8_t value) {
        return ChannelChoice{EntryUtf8(entry, language), value};
    };
    switch (column) {
    case ColPower:
        return {choice(TextEntry::High, PowerHigh), choice(TextEntry::Low, PowerLow), choice(TextEntry::Mid, PowerMid)};
    case ColBandwidth:
        return {choice(TextEntry::Wide, 1), choice(TextEntry::Narrow, 0)};
    case ColScanAdd:
        return {choice(TextEntry::Add, 1), choice(TextEntry::Del, 0)};
    case ColBusyLock:
        return {choice(TextEntry::BusyLockOff, BusyOff), choice(TextEntry::Cat, BusyCarrier),
                choice(TextEntry::Dqt, BusyTone)};
    case ColDtmf:
        return {choice(TextEntry::DtmfOff, 0), choice(TextEntry::DtmfOn, 1)};
    case ColSquelchMode: {
        std::vector<ChannelChoice> modes;
        for (uint8_t mode = 0; mode < ChSquelchModeCount; ++mode)
            modes.push_back(choice(SquelchModeEntries[mode], mode));
        return modes;
    }
    default:
        return {};
    }
}

uint8_t ChannelChoiceValue(const ChannelRecord& channel, ChannelColumn column)
{
    switch (column) {
    case ColPower:
        return channel.Power();
    case ColBandwidth:
        return channel.Bandwidth();
    case ColScanAdd:
        return channel.ScanAdd();
    case ColBusyLock:
        return channel.BusyLock();
    case ColDtmf:
        return channel.Dtmf();
    case ColSquelchMode:
        return channel.ChSquelchMode();
    default:
        return 0;
    }
}

void SetChannelChoice(ChannelRecord& channel, ChannelColumn column, uint8_t value)
{
    switch (column) {
    case ColPower:
        channel.SetPower(value);
        break;
    case ColBandwidth:
        channel.SetBandwidth(value != 0);
        break;
    case ColScanAdd:
        channel.SetScanAdd(value != 0);
        break;
    case ColBusyLock:
        channel.SetBusyLock(value);
        break;
    case ColDtmf:
        channel.SetDtmf(value != 0);
        break;
    case ColSquelchMode:
        channel.SetChSquelchMode(value);
        break;
    default:
        break;
    }
}

GridTableWords ChannelGridTableWords()
{
    GridTableWords words;
    for (TLangType language : {TTeskFuncs::LangEnglish, TTeskFuncs::LangSimplifiedChinese,
                               TTeskFuncs::LangTraditionalChinese}) {
        for (int column = ColRxFreq; column < ChannelColumnCount; ++column) {
            GridTableColumn& table = words[size_t(column - ColRxFreq)];
            table.titles.push_back(ChannelColumnTitle(ChannelColumn(column), language));
            for (ChannelChoice& choice : ChannelColumnChoices(ChannelColumn(column), language))
                table.words.push_back({std::move(choice.text), choice.value});
        }
    }
    return words;
}
