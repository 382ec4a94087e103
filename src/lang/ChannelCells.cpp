#include "lang/ChannelCells.h"

#include <iterator>

#include "lang/RecordText.h"
#include "lang/Utf8Text.h"
#include "model/ChannelFields.h"
#include "model/ChannelRules.h"
#include "model/ToneLists.h"
#include "model/TypingRules.h"

using TTeskFuncs::TLangType;

namespace {

struct Choice {
    TextEntry entry;
    uint8_t value;
};

struct ChoiceList {
    const Choice* begin;
    const Choice* end;
};

constexpr Choice PowerChoices[] = {
    {TextEntry::High, PowerHigh}, {TextEntry::Low, PowerLow}, {TextEntry::Mid, PowerMid}};
constexpr Choice BandwidthChoices[] = {{TextEntry::Wide, 1}, {TextEntry::Narrow, 0}};
constexpr Choice ScanChoices[] = {{TextEntry::Add, 1}, {TextEntry::Del, 0}};
constexpr Choice BusyLockChoices[] = {
    {TextEntry::BusyLockOff, BusyOff}, {TextEntry::Cat, BusyCarrier}, {TextEntry::Dqt, BusyTone}};
constexpr Choice DtmfChoices[] = {{TextEntry::DtmfOff, 0}, {TextEntry::DtmfOn, 1}};

// The squelch modes are listed by their values, with the texts the cells show.
ChoiceList SteppedChoices(ChannelColumn column)
{
    switch (column) {
    case ColPower:
        return {std::begin(PowerChoices), std::end(PowerChoices)};
    case ColBandwidth:
        return {std::begin(BandwidthChoices), std::end(BandwidthChoices)};
    case ColScanAdd:
        return {std::begin(ScanChoices), std::end(ScanChoices)};
    case ColBusyLock:
        return {std::begin(BusyLockChoices), std::end(BusyLockChoices)};
    case ColDtmf:
        return {std::begin(DtmfChoices), std::end(DtmfChoices)};
    default:
        return {nullptr, nullptr};
    }
}

void SetChoice(ChannelRecord& channel, ChannelColumn column, uint8_t value)
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

// A choice the cell already shows changes nothing, so that a value sharing its text with another
// (power 3 shows as middle, like 2) stays as it is.
EntryOutcome EnterChoice(RadioSettings& settings, unsigned channel, ChannelColumn column, std::string_view text,
                         TLangType language)
{
    if (ChannelCellText(settings, channel, column, language) == text)
        return EntryOutcome::Accepted;
    const std::vector<std::string> choices = ChannelCellChoices(column, language);
    for (size_t i = 0; i < choices.size(); ++i) {
        if (choices[i] != text)
            continue;
        const ChoiceList stepped = SteppedChoices(column);
        SetChoice(settings.Channel[channel], column, stepped.begin ? stepped.begin[i].value : uint8_t(i));
        return EntryOutcome::Accepted;
    }
    return EntryOutcome::Refused;
}

EntryOutcome EnterName(ChannelRecord& channel, std::string_view text)
{
    const Entered<std::string> name = NameEntry(text, NameCapacity);
    StoreRecordText(name.value, channel.Name, NameCapacity);
    return name.outcome;
}

EntryOutcome Enter(RadioSettings& settings, unsigned channel, ChannelColumn column, std::string_view text,
                   const BandLimits& band, TLangType language)
{
    ChannelRecord& record = settings.Channel[channel];
    switch (column) {
    case ColRxFreq:
        return EnterReceiveFrequency(settings, channel, text, band).outcome;
    case ColTxFreq:
        return EnterTransmitFrequency(record, text, band).outcome;
    case ColDecodeTone:
        return EnterDecodeTone(record, text).outcome;
    case ColEncodeTone:
        return EnterEncodeTone(record, text).outcome;
    case ColName:
        return EnterName(record, text);
    default:
        return EnterChoice(settings, channel, column, text, language);
    }
}

MessageId NoteMessage(EntryOutcome outcome)
{
    switch (outcome) {
    case EntryOutcome::SnappedToRaster:
        return MessageId::CellSnappedToRaster;
    case EntryOutcome::ClampedToBand:
        return MessageId::CellClampedToBand;
    case EntryOutcome::CharactersDropped:
        return MessageId::CellCharactersDropped;
    default:
        return MessageId::CellRefused;
    }
}

}

ChannelCellKind ChannelCellKindOf(ChannelColumn column)
{
    switch (column) {
    case ColNumber:
        return ChannelCellKind::Number;
    case ColRxFreq:
    case ColTxFreq:
        return ChannelCellKind::Frequency;
    case ColDecodeTone:
    case ColEncodeTone:
        return ChannelCellKind::Tone;
    case ColName:
        return ChannelCellKind::Name;
    default:
        return ChannelCellKind::Choice;
    }
}

bool CanEditChannelCell(const RadioSettings& settings, unsigned channel, ChannelColumn column)
{
    if (channel < 1 || channel > ChannelCount || column <= ColNumber || column >= ChannelColumnCount)
        return false;
    return column == ColRxFreq || settings.IsChannelUsed(channel);
}

std::vector<std::string> ChannelCellChoices(ChannelColumn column, TLangType language)
{
    std::vector<std::string> choices;
    if (ChannelCellKindOf(column) == ChannelCellKind::Tone) {
        for (const ToneListEntry& tone : ChannelToneList())
            choices.push_back(tone.text);
    } else if (column == ColSquelchMode) {
        choices = ChSquelchModeTexts(language);
    } else {
        const ChoiceList stepped = SteppedChoices(column);
        for (const Choice* choice = stepped.begin; choice != stepped.end; ++choice)
            choices.push_back(EntryUtf8(choice->entry, language));
    }
    return choices;
}

std::string ChannelCellTyping(ChannelColumn column, std::string_view typed)
{
    switch (ChannelCellKindOf(column)) {
    case ChannelCellKind::Frequency:
        return CorrectedText(FilteredText(typed, GridFrequencyCharacter), CorrectFrequencyText);
    case ChannelCellKind::Tone:
        return CorrectedText(FilteredText(typed, ToneCharacter), CorrectToneText);
    case ChannelCellKind::Name:
        return CorrectedText(std::string(typed), CorrectNameText);
    default:
        return std::string(typed);
    }
}

ChannelCellEntry EnterChannelCell(RadioSettings& settings, unsigned channel, ChannelColumn column,
                                  std::string_view text, const BandLimits& band, TLangType language)
{
    const EntryOutcome outcome = CanEditChannelCell(settings, channel, column)
                                     ? Enter(settings, channel, column, text, band, language)
                                     : EntryOutcome::Refused;
    return {outcome, std::string(text), ChannelCellText(settings, channel, column, language)};
}

bool StepChannelCell(ChannelRecord& channel, ChannelColumn column)
{
    switch (column) {
    case ColPower:
        StepPower(channel);
        return true;
    case ColBandwidth:
        channel.SetBandwidth(!channel.Bandwidth());
        return true;
    case ColScanAdd:
        channel.SetScanAdd(!channel.ScanAdd());
        return true;
    case ColBusyLock:
        StepBusyLock(channel);
        return true;
    case ColDtmf:
        channel.SetDtmf(!channel.Dtmf());
        return true;
    default:
        return false;
    }
}

std::string ChannelCellNote(unsigned channel, ChannelColumn column, const ChannelCellEntry& entry,
                            TLangType language)
{
    if (entry.outcome == EntryOutcome::Accepted)
        return {};
    const std::string place = MessageUtf8({MessageId::ChannelNumber, {std::to_string(channel)}}, language) + " " +
                              ChannelColumnTitle(column, language);
    return MessageUtf8({NoteMessage(entry.outcome), {place, entry.typed, entry.stored}}, language);
}
