#include "lang/RecordDifferenceText.h"

#include "files/JsonValue.h"
#include "lang/ChannelTexts.h"
#include "lang/FindingPlace.h"
#include "lang/OptionTexts.h"
#include "lang/RecordText.h"
#include "lang/Utf8Text.h"
#include "model/DtmfDigits.h"
#include "model/Password.h"

using TTeskFuncs::TLangType;

namespace {

static_assert(int(ChannelValue::SquelchMode) - int(ChannelValue::RxFreq) == ColSquelchMode - ColRxFreq,
              "the channel values stand in the order of the grid's columns");

ChannelColumn ColumnOf(ChannelValue value) { return ChannelColumn(ColRxFreq + int(value)); }

std::string Worded(MessageId id, TLangType language) { return MessageUtf8({id}, language); }

// A value without a text of its own (busy lock 3, squelch modes 5 to 7) reads as its number.
std::string ChannelValueText(const RadioSettings& s, unsigned channel, ChannelValue value, TLangType language)
{
    const ChannelColumn column = ColumnOf(value);
    const std::string text = ChannelCellText(s, channel, column, language);
    return text.empty() ? std::to_string(ChannelChoiceValue(s.Channel[channel], column)) : text;
}

// The item of the list that holds the value, ON or OFF for a check box; a value no item holds
// reads as its number, so that two values never read alike.
std::string OptionValueText(const OptionField& field, uint32_t value, TLangType language)
{
    if (field.kind == OptionKind::Flag && value <= 1)
        return EntryUtf8(value ? TextEntry::DtmfOn : TextEntry::DtmfOff, language);
    for (const Choice& choice : field.choices)
        if (choice.value == value)
            return TextUtf8(ChoiceText(choice.label, language), language);
    return std::to_string(value);
}

std::string OrEmpty(std::string text, TLangType language)
{
    return text.empty() ? Worded(MessageId::ValueEmpty, language) : text;
}

std::string AddressBookEntryText(const RadioSettings& s, unsigned k, TLangType language)
{
    if (!s.IsAddrBookEntryUsed(k))
        return Worded(MessageId::ValueNotInUse, language);
    const AddressBookEntry& e = s.Entry(k);
    const std::string name = RecordTextUtf8(e.EntryName, NameCapacity);
    const std::string number = DtmfText(e.Id, AddrBookIdCapacity, e.IdLength);
    return OrEmpty(name.empty() || number.empty() ? name + number : name + " " + number, language);
}

bool HasPassword(const RadioSettings& s) { return PasswordLength(s.Password) != 0; }

std::string PasswordText(const RadioSettings& s, MessageId whenSet, TLangType language)
{
    return Worded(HasPassword(s) ? whenSet : MessageId::PasswordNotSet, language);
}

// A field's place, named as the check list names the place of a value it finds.
std::string FieldPlace(unsigned channel, const char* field, TLangType language)
{
    RecordFinding finding;
    finding.channel = channel;
    finding.field = field;
    return FindingPlace(finding, language);
}

std::string Place(const FieldDifference& d, TLangType language)
{
    const std::string number = std::to_string(d.number);
    switch (d.kind) {
    case DifferenceKind::ChannelUse:
        return MessageUtf8({MessageId::ChannelNumber, {number}}, language);
    case DifferenceKind::Channel:
        return FieldPlace(d.number, ChannelValueName(d.value), language);
    case DifferenceKind::Option:
        return FieldPlace(0, d.option->name, language);
    case DifferenceKind::DtmfCode:
        return FieldPlace(0, d.code->name, language);
    case DifferenceKind::AddressBookEntry:
        return MessageUtf8({MessageId::AddressBookEntryPlace, {number}}, language);
    case DifferenceKind::Password:
        break;
    }
    return EntryUtf8(TextEntry::Password, language);
}

std::string Value(const FieldDifference& d, const RadioSettings& s, TLangType language)
{
    switch (d.kind) {
    case DifferenceKind::ChannelUse:
        return Worded(s.IsChannelUsed(d.number) ? MessageId::ValueInUse : MessageId::ValueNotInUse, language);
    case DifferenceKind::Channel:
        return ChannelValueText(s, d.number, d.value, language);
    case DifferenceKind::Option:
        return OptionValueText(*d.option, d.option->Get(s), language);
    case DifferenceKind::DtmfCode:
        return OrEmpty(d.code->Text(s), language);
    case DifferenceKind::AddressBookEntry:
        return AddressBookEntryText(s, d.number, language);
    case DifferenceKind::Password:
        break;
    }
    return PasswordText(s, MessageId::PasswordSet, language);
}

}

DifferenceText RecordDifferenceText(const FieldDifference& difference, const RadioSettings& first,
                                    const RadioSettings& second, TLangType language)
{
    DifferenceText text{DifferenceKey(difference), Place(difference, language), Value(difference, first, language),
                        Value(difference, second, language)};
    // Two passwords that are both set differ in what they are, which stays unsaid.
    if (difference.kind == DifferenceKind::Password && HasPassword(first) && HasPassword(second))
        text.second = Worded(MessageId::PasswordSetOther, language);
    return text;
}

std::vector<DifferenceText> RecordDifferenceTexts(const RadioSettings& first, const RadioSettings& second,
                                                  TLangType language)
{
    const RadioSettings heldFirst = HeldByRadio(first);
    const RadioSettings heldSecond = HeldByRadio(second);
    std::vector<DifferenceText> texts;
    for (const FieldDifference& difference : CompareHeldRecords(heldFirst, heldSecond))
        texts.push_back(RecordDifferenceText(difference, heldFirst, heldSecond, language));
    return texts;
}

std::string DifferenceLine(const DifferenceText& text, TLangType language)
{
    return MessageUtf8({MessageId::DifferenceLine, {text.place, text.first, text.second}}, language);
}

std::string DifferencesJson(const std::vector<DifferenceText>& texts)
{
    std::vector<JsonValue> items;
    for (const DifferenceText& text : texts)
        items.push_back(JsonValue::Object({
            {"field", JsonValue::String(text.field)},
            {"place", JsonValue::String(text.place)},
            {"first", JsonValue::String(text.first)},
            {"second", JsonValue::String(text.second)},
        }));
    return WriteJson(JsonValue::Array(std::move(items)));
}
