#include <emscripten/bind.h>

#include <iterator>
#include <optional>
#include <string>

#include "PageLanguage.h"
#include "RecordHandle.h"
#include "files/AppSettings.h"
#include "files/BandChoice.h"
#include "lang/BandMenuText.h"
#include "lang/BatchSetForm.h"
#include "lang/EntryOutcomeText.h"
#include "lang/OptionTexts.h"
#include "lang/PageCaptions.h"
#include "lang/RecordText.h"
#include "lang/Utf8Text.h"
#include "model/AddressBookEntries.h"
#include "model/ChannelBatchFill.h"
#include "model/FieldEntry.h"
#include "model/Frequency.h"
#include "model/KeyAssignment.h"
#include "model/OptionTable.h"
#include "model/ToneLists.h"
#include "model/TypingRules.h"

// The option, DTMF and key pages, the address book, the batch-set dialog and the band choice:
// their controls under the desktop's object names with captions and choices in the language
// asked for, and every change made through the desktop's rules, reported when a rule changed or
// refused what was typed or chosen.

using emscripten::val;

namespace {

constexpr const char* PageNames[] = {"options", "dtmf", "keys"};
constexpr int PageColumns = 2;
constexpr const char* BandItemControls[BandCount] = {"MenuEdit_Band_1", "MenuEdit_Band_2", "MenuEdit_Band_3",
                                                     "MenuEdit_Band_4", "MenuEdit_Band_5", "MenuEdit_Band_6"};

val TextArray(const std::vector<std::string>& texts)
{
    val array = val::array();
    for (const std::string& text : texts)
        array.call<void>("push", text);
    return array;
}

std::string Caption(const std::string& text, TTeskFuncs::TLangType language) { return TextUtf8(text, language); }

const char* OutcomeName(EntryOutcome outcome)
{
    switch (outcome) {
    case EntryOutcome::Accepted:
        break;
    case EntryOutcome::SnappedToRaster:
        return "snappedToRaster";
    case EntryOutcome::ClampedToBand:
        return "clampedToBand";
    case EntryOutcome::CharactersDropped:
        return "charactersDropped";
    case EntryOutcome::Refused:
        return "refused";
    }
    return "accepted";
}

// {outcome, typed, stored, message}: the message is empty when the value was stored as typed.
val Report(EntryOutcome outcome, const std::string& typed, const std::string& stored,
           const std::optional<Message>& message, TTeskFuncs::TLangType language)
{
    val report = val::object();
    report.set("outcome", OutcomeName(outcome));
    report.set("typed", typed);
    report.set("stored", stored);
    report.set("message", message ? MessageUtf8(*message, language) : std::string());
    return report;
}

template <typename Value>
val Report(const Entered<Value>& entered, TTeskFuncs::TLangType language)
{
    return Report(entered.outcome, entered.typed, entered.stored, EntryOutcomeMessage(entered), language);
}

template <typename Value>
val ValueReport(const Entered<Value>& entered, TTeskFuncs::TLangType language)
{
    val report = Report(entered, language);
    report.set("value", entered.value);
    return report;
}

const char* KindName(const PageRow& row)
{
    if (row.code)
        return "code";
    switch (row.option->kind) {
    case OptionKind::Flag:
        return "flag";
    case OptionKind::KeyFunction:
        return "keyFunction";
    case OptionKind::List:
        break;
    }
    return "list";
}

val ControlObject(const PageRow& row, const char* page, TTeskFuncs::TLangType language)
{
    val control = val::object();
    control.set("control", row.Editor().control);
    control.set("label", row.Editor().label ? row.Editor().label : "");
    control.set("kind", KindName(row));
    control.set("page", page);
    control.set("column", row.place.column);
    control.set("row", row.place.row);
    control.set("offered", row.place.offered);
    if (row.code) {
        control.set("field", row.code->name);
        control.set("caption", Caption(NamedText(row.code->label, language), language));
        control.set("capacity", DtmfCodeCapacity);
        return control;
    }
    const OptionField& field = *row.option;
    control.set("field", field.name);
    control.set("caption", Caption(NamedText(field.label, language), language));
    std::vector<std::string> choices;
    for (const Choice& choice : field.choices)
        choices.push_back(Caption(ChoiceText(choice.label, language), language));
    control.set("choices", TextArray(choices));
    return control;
}

// Everything the three pages show that does not depend on the record.
val SettingPages(int lang)
{
    const TTeskFuncs::TLangType language = PageLanguage(lang);
    val pages = val::object();
    val tabs = val::object();
    tabs.set("Tab_ChInfo", Caption(EditorPageCaption(EditorPage::Channels, language), language));
    tabs.set("Tab_Option", Caption(EditorPageCaption(EditorPage::Options, language), language));
    tabs.set("Tab_Dtmf", Caption(EditorPageCaption(EditorPage::Dtmf, language), language));
    tabs.set("Tab_Key", Caption(EditorPageCaption(EditorPage::Keys, language), language));
    pages.set("tabs", tabs);

    val controls = val::array();
    for (int page = 0; page < int(std::size(PageNames)); ++page)
        for (int column = 0; column < PageColumns; ++column)
            for (const PageRow& row : PageRowsAt(OptionPage(page), column))
                controls.call<void>("push", ControlObject(row, PageNames[page], language));
    pages.set("controls", controls);

    val keyGroups = val::array();
    for (int key = 1; key <= PageColumns; ++key)
        keyGroups.call<void>("push", Caption(KeyGroupCaption(key, language), language));
    pages.set("keyGroups", keyGroups);

    val addressBook = val::object();
    addressBook.set("name", MessageUtf8(Message(MessageId::AddressBookName), language));
    addressBook.set("titles", TextArray({EntryUtf8(TextEntry::EntryNo, language),
                                         EntryUtf8(TextEntry::EntryName, language),
                                         EntryUtf8(TextEntry::DtmfCode, language)}));
    addressBook.set("nameFirst", MessageUtf8(Message(MessageId::AddressBookNameFirst), language));
    pages.set("addressBook", addressBook);
    pages.set("batchSet", EntryUtf8(TextEntry::BatchSet, language));
    return pages;
}

// Each control's shown value by its object name: a list's position (-1 for none), a check box's
// tick, a code's symbols.
val SettingValues(const RecordHandle& record)
{
    const RadioSettings& settings = record.Settings();
    val values = val::object();
    for (const OptionField& field : OptionFields()) {
        const uint32_t stored = field.Get(settings);
        if (field.kind == OptionKind::Flag)
            values.set(field.editor.control, field.Ticked(stored));
        else
            values.set(field.editor.control, field.IndexOf(stored));
    }
    for (const DtmfCodeField& field : DtmfCodeFields())
        values.set(field.editor.control, field.Text(settings));
    return values;
}

val StoreKeyFunction(RadioSettings& settings, const OptionField& field, uint32_t function, const std::string& typed,
                     TTeskFuncs::TLangType language)
{
    const KeyAssignment assignment = AssignKeyFunction(settings, field, function);
    const std::string stored = Caption(ChoiceText(field.choices.at(size_t(field.IndexOf(field.Get(settings)))).label,
                                              language), language);
    if (!assignment.taken)
        return Report(EntryOutcome::Refused, typed, stored, Message(MessageId::LongPressStaysUnassigned), language);
    if (assignment.longPressCleared)
        return Report(EntryOutcome::Accepted, typed, stored, Message(MessageId::LongPressNowUnassigned), language);
    return Report(EntryOutcome::Accepted, typed, stored, std::nullopt, language);
}

val StoreOption(RadioSettings& settings, const OptionField& field, const val& value, TTeskFuncs::TLangType language)
{
    if (field.kind == OptionKind::Flag) {
        const bool ticked = value.isTrue();
        field.Set(settings, ticked ? 1 : 0);
        return Report(EntryOutcome::Accepted, ticked ? "1" : "0", ticked ? "1" : "0", std::nullopt, language);
    }
    const int position = value.isNumber() ? value.as<int>() : -1;
    const int shown = field.IndexOf(field.Get(settings));
    const std::string before = shown < 0 ? std::string() : Caption(ChoiceText(field.choices[size_t(shown)].label,
                                                                              language), language);
    if (position < 0 || size_t(position) >= field.choices.size()) {
        const std::string typed = std::to_string(position);
        return Report(EntryOutcome::Refused, typed, before, EntryOutcomeMessage(EntryOutcome::Refused, typed, before),
                      language);
    }
    const Choice& choice = field.choices[size_t(position)];
    const std::string chosen = Caption(ChoiceText(choice.label, language), language);
    if (field.kind == OptionKind::KeyFunction)
        return StoreKeyFunction(settings, field, choice.value, chosen, language);
    field.Set(settings, choice.value);
    return Report(EntryOutcome::Accepted, chosen, chosen, std::nullopt, language);
}

// value: a list's position, a check box's tick, a code's text.
val StoreSetting(RecordHandle& record, const std::string& control, const val& value, int lang)
{
    const TTeskFuncs::TLangType language = PageLanguage(lang);
    RadioSettings& settings = record.Settings();
    if (const OptionField* field = FindOptionEditor(control))
        return StoreOption(settings, *field, value, language);
    const DtmfCodeField* code = FindDtmfCodeEditor(control);
    if (!code)
        return val::null();
    const Entered<std::string> symbols = DtmfCodeEntry(value.as<std::string>(), DtmfCodeCapacity);
    code->Store(settings, symbols.value);
    return Report(symbols, language);
}

// What a box holds after a change, by the desktop's key filter and change rule of its kind:
// "dtmf" (the code boxes and the address book's code), "name", "batchFrequency" and "step".
val TypedInto(const std::string& rule, const std::string& text, int lang)
{
    const TTeskFuncs::TLangType language = PageLanguage(lang);
    std::string kept = text;
    if (rule == "dtmf")
        kept = TypedText(text, DtmfCharacter, CorrectDtmfText);
    else if (rule == "name")
        kept = CorrectedText(text, CorrectNameText);
    else if (rule == "batchFrequency")
        kept = TypedText(text, BatchFrequencyCharacter, CorrectBatchFrequencyText);
    else if (rule == "step")
        kept = TypedText(text, BatchFrequencyCharacter, CorrectFrequencyText);
    const EntryOutcome outcome = kept == text ? EntryOutcome::Accepted : EntryOutcome::CharactersDropped;
    return Report(outcome, text, kept, EntryOutcomeMessage(outcome, text, kept), language);
}

// The address book

bool IsEntry(unsigned k) { return k >= 1 && k <= AddrBookEntryCount; }

val AddressBookRows(const RecordHandle& record)
{
    const RadioSettings& settings = record.Settings();
    val rows = val::array();
    for (unsigned k = 1; k <= AddrBookEntryCount; ++k) {
        val row = val::object();
        const bool used = settings.IsAddrBookEntryUsed(k);
        row.set("name", used ? RecordTextUtf8(settings.Entry(k).EntryName, NameCapacity) : std::string());
        row.set("code", AddressBookCodeText(settings, k));
        row.set("named", AddressBookEntryNamed(settings, k));
        rows.call<void>("push", row);
    }
    return rows;
}

val NameEntryOf(RecordHandle& record, unsigned k, const std::string& name, int lang)
{
    const TTeskFuncs::TLangType language = PageLanguage(lang);
    if (!IsEntry(k))
        return val::null();
    const Entered<std::string> entered = NameEntry(name, NameCapacity);
    NameAddressBookEntry(record.Settings(), k, entered.value);
    return Report(entered, language);
}

val CodeEntryOf(RecordHandle& record, unsigned k, const std::string& code, int lang)
{
    const TTeskFuncs::TLangType language = PageLanguage(lang);
    if (!IsEntry(k))
        return val::null();
    if (!AddressBookEntryNamed(record.Settings(), k))
        return Report(EntryOutcome::Refused, code, "", Message(MessageId::AddressBookNameFirst), language);
    const Entered<std::string> entered = DtmfCodeEntry(code, AddrBookIdCapacity);
    SetAddressBookCode(record.Settings(), k, entered.value);
    return Report(entered, language);
}

// The batch-set dialog

const char* BatchKindName(BatchControlKind kind)
{
    switch (kind) {
    case BatchControlKind::Frequency:
        return "frequency";
    case BatchControlKind::Step:
        return "step";
    default:
        break;
    }
    return "list";
}

std::vector<std::string> BatchChoices(const BatchSetControl& control, TTeskFuncs::TLangType language)
{
    std::vector<std::string> choices;
    switch (control.kind) {
    case BatchControlKind::Tones:
        for (const ToneListEntry& tone : BatchToneList())
            choices.push_back(tone.text);
        break;
    case BatchControlKind::ChannelList:
        for (unsigned channel = 1; channel <= ChannelCount; ++channel)
            choices.push_back(std::to_string(channel));
        break;
    default:
        for (TextEntry item : control.items)
            choices.push_back(EntryUtf8(item, language));
    }
    return choices;
}

// The dialog as it opens: the frequencies start at the band's lower limit, the step at none.
val BatchSetDialog(uint32_t bandMin, int lang)
{
    const TTeskFuncs::TLangType language = PageLanguage(lang);
    val dialog = val::object();
    dialog.set("title", EntryUtf8(TextEntry::BatchSet, language));
    dialog.set("ok", EntryUtf8(TextEntry::Ok, language));
    dialog.set("cancel", EntryUtf8(TextEntry::Cancel, language));
    val controls = val::array();
    for (const BatchSetControl& control : BatchSetControls()) {
        val object = val::object();
        object.set("control", control.control);
        object.set("label", control.label);
        object.set("caption", EntryUtf8(control.caption, language));
        object.set("kind", BatchKindName(control.kind));
        object.set("column", control.column);
        if (control.kind == BatchControlKind::Frequency) {
            object.set("value", bandMin);
            object.set("text", FormatFrequency(bandMin));
        } else if (control.kind == BatchControlKind::Step) {
            object.set("value", 0);
            object.set("text", FormatFrequency(0));
        } else {
            object.set("choices", TextArray(BatchChoices(control, language)));
            object.set("selected", control.preselected);
        }
        controls.call<void>("push", object);
    }
    dialog.set("controls", controls);
    return dialog;
}

val BatchFrequencyEntry(const std::string& text, uint32_t current, uint32_t bandMin, uint32_t bandMax, int lang)
{
    return ValueReport(BandFrequencyEntry(text, current, BandLimits{bandMin, bandMax}), PageLanguage(lang));
}

val BatchStepEntry(const std::string& text, uint32_t current, int lang)
{
    return ValueReport(StepEntry(text, current), PageLanguage(lang));
}

// choices: each list's position by its object name, and rxStart, txStart and step in hertz as
// the boxes committed them. Says which channels were set, or why none were.
val ApplyBatch(RecordHandle& record, const val& choices, uint32_t bandMin, uint32_t bandMax, int lang)
{
    const TTeskFuncs::TLangType language = PageLanguage(lang);
    BatchSetChoices taken;
    for (const BatchSetControl& control : BatchSetControls())
        if (choices.hasOwnProperty(control.control))
            taken[control.field] = choices[control.control].as<int>();
    taken.rxStart = choices["rxStart"].as<uint32_t>();
    taken.txStart = choices["txStart"].as<uint32_t>();
    taken.step = choices["step"].as<uint32_t>();
    const ChannelBatch batch = ChosenBatch(taken);
    const bool applied = ApplyChannelBatch(record.Settings(), batch, BandLimits{bandMin, bandMax});
    val result = val::object();
    result.set("applied", applied);
    const Message message = applied ? Message(MessageId::BatchChannelsSet, {std::to_string(batch.first),
                                                                           std::to_string(batch.last)})
                                    : Message(MessageId::BatchStartAfterEnd);
    result.set("message", MessageUtf8(message, language));
    return result;
}

// The band choice

val BandChoices(uint32_t bandMin, uint32_t bandMax, int lang)
{
    const TTeskFuncs::TLangType language = PageLanguage(lang);
    const BandLimits current{bandMin, bandMax};
    const auto bands = AppSettings::DefaultBands();
    const std::optional<int> match = MatchingBandIndex(bands, current);
    val choices = val::object();
    choices.set("caption", EntryUtf8(TextEntry::FrequencyBand, language));
    val items = val::array();
    for (int i = 0; i < BandCount; ++i) {
        val item = val::object();
        item.set("control", BandItemControls[i]);
        item.set("text", Caption(BandItemText(i + 1, bands[size_t(i)], language), language));
        item.set("bandMin", bands[size_t(i)].BandMin);
        item.set("bandMax", bands[size_t(i)].BandMax);
        item.set("checked", match == i);
        items.call<void>("push", item);
    }
    choices.set("items", items);
    choices.set("other", match ? std::string() : Caption(OtherBandText(current, language), language));
    choices.set("question", EntryUtf8(TextEntry::ClearAllData, language));
    choices.set("ok", EntryUtf8(TextEntry::Ok, language));
    choices.set("cancel", EntryUtf8(TextEntry::Cancel, language));
    return choices;
}

}

EMSCRIPTEN_BINDINGS(kr_t27_pages)
{
    using emscripten::function;

    function("settingPages", &SettingPages);
    function("settingValues", &SettingValues);
    function("storeSetting", &StoreSetting);
    function("typedInto", &TypedInto);
    function("addressBook", &AddressBookRows);
    function("nameAddressBookEntry", &NameEntryOf);
    function("setAddressBookCode", &CodeEntryOf);
    function("batchSetDialog", &BatchSetDialog);
    function("batchFrequencyEntry", &BatchFrequencyEntry);
    function("batchStepEntry", &BatchStepEntry);
    function("applyBatch", &ApplyBatch);
    function("bandChoices", &BandChoices);
}
