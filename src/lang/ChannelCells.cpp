#include "lang/ChannelCells.h"

#include "lang/RecordText.h"
#include "lang/Utf8Text.h"
#include "model/ChannelFields.h"
#include "model/ChannelRules.h"
#include "model/ToneLists.h"
#include "model/TypingRules.h"

using TTeskFuncs::TLangType;

namespace {

// A choice the cell already shows changes nothing, so that a value sharing its text with another
// (power 3 shows as middle, like 2) stays as it is.
EntryOutcome EnterChoice(RadioSettings& settings, unsigned channel, ChannelColumn column, std::string_view text,
                         TLangType language)
{
    if (ChannelCellText(settings, channel, column, language) == text)
        return EntryOutcome::Accepted;
    for (const ChannelChoice& choice : ChannelColumnChoices(column, language)) {
        if (choice.text == text) {
            SetChannelChoice(settings.Channel[channel], column, choice.value);
            return EntryOutcome::Accepted;
        }
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
    } else {
        for (const ChannelChoice& choice : ChannelColumnChoices(column, language))
            choices.push_back(choice.text);
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
