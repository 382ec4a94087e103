#include "sheet/SheetContent.h"

#include <cstdio>

#include "lang/ChannelTexts.h"
#include "lang/OptionTexts.h"
#include "lang/RecordText.h"
#include "lang/Utf8Text.h"
#include "model/Frequency.h"
#include "model/ModelName.h"
#include "model/OptionTable.h"

using TTeskFuncs::TLangType;

namespace {

std::string DateText(const DateTimeStamp& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", unsigned(date.Year), unsigned(date.Month), unsigned(date.Day));
    return text;
}

std::vector<LabelledValue> Facts(const RadioSettings& s, const SheetFacts& facts, TLangType language)
{
    const std::string band = FormatFrequency(facts.band.BandMin) + " - " + FormatFrequency(facts.band.BandMax) + " MHz";
    return {
        {MessageUtf8({MessageId::SheetFile}, language), facts.fileName},
        {MessageUtf8({MessageId::SheetDate}, language), DateText(facts.date)},
        {EntryUtf8(TextEntry::FrequencyBand, language), band},
        {EntryUtf8(TextEntry::FirmwareVersion, language), RecordTextUtf8(s.SoftwareVersion, SoftwareVersionFieldSize)},
        {EntryUtf8(TextEntry::SerialNumber, language), RecordTextUtf8(s.DeviceSn, DeviceSnSize)},
    };
}

// The grid's texts, channel by channel, from the source the grid and the dump use as well.
std::vector<std::vector<std::string>> ChannelRows(const RadioSettings& s, TLangType language)
{
    std::vector<std::vector<std::string>> rows{ChannelColumnTitles(language)};
    for (unsigned channel = 1; channel <= ChannelCount; ++channel)
        rows.push_back(ChannelRowTexts(s, channel, language));
    return rows;
}

// A list shows the text of the item that holds the value, or nothing; a check box is ON or OFF.
std::string ShownValue(const OptionField& field, const RadioSettings& s, TLangType language)
{
    const uint32_t value = field.Get(s);
    if (field.kind == OptionKind::Flag)
        return EntryUtf8(field.Ticked(value) ? TextEntry::DtmfOn : TextEntry::DtmfOff, language);
    const int index = field.IndexOf(value);
    return index < 0 ? std::string() : TextUtf8(ChoiceText(field.choices[size_t(index)].label, language), language);
}

// The offered fields of a page, column by column, each under its caption.
std::vector<LabelledValue> PageValues(OptionPage page, const RadioSettings& s, TLangType language)
{
    std::vector<LabelledValue> values;
    for (int column = 0;; ++column) {
        const std::vector<const OptionField*> fields = OptionFieldsAt(page, column);
        if (fields.empty())
            return values;
        for (const OptionField* field : fields)
            if (field->place.offered)
                values.push_back({TextUtf8(FieldCaption(*field, language), language), ShownValue(*field, s, language)});
    }
}

}

SheetContent GatherSheetContent(const RadioSettings& settings, const SheetFacts& facts, TLangType language)
{
    SheetContent content;
    content.title = std::string(ModelName) + " " + MessageUtf8({MessageId::SheetTitle}, language);
    content.facts = Facts(settings, facts, language);
    content.channelRows = ChannelRows(settings, language);
    content.optionsTitle = EntryUtf8(TextEntry::OptionalFeatures, language);
    content.options = PageValues(OptionPage::Options, settings, language);
    content.keysTitle = EntryUtf8(TextEntry::KeyAssignment, language);
    content.keys = PageValues(OptionPage::Keys, settings, language);
    return content;
}
