#include "lang/FindingPlace.h"

#include "lang/ChannelTexts.h"
#include "lang/OptionTexts.h"
#include "lang/Utf8Text.h"

using TTeskFuncs::TLangType;

namespace {

struct ColumnLabel {
    const char* field;
    ChannelColumn column;
};

// A channel's values are named by their columns in the grid.
constexpr ColumnLabel ChannelLabels[] = {
    {"RxFreq", ColRxFreq},
    {"TxFreq", ColTxFreq},
    {"DecType/DecCode", ColDecodeTone},
    {"EncType/EncCode", ColEncodeTone},
    {"Power", ColPower},
    {"BusyLock", ColBusyLock},
    {"ChSquelchMode", ColSquelchMode},
};

template <typename Label, size_t N>
const Label* Find(const Label (&labels)[N], const std::string& field)
{
    for (const Label& label : labels)
        if (field == label.field)
            return &label;
    return nullptr;
}

std::string FieldLabel(const std::string& field, TLangType language)
{
    if (const ColumnLabel* label = Find(ChannelLabels, field))
        return ChannelColumnTitle(label->column, language);
    // The options by the captions of their controls; a code's length by its code's caption.
    if (const OptionField* option = FindOptionField(field))
        return TextUtf8(FieldCaption(*option, language), language);
    for (const DtmfCodeField& code : DtmfCodeFields())
        if (field == code.lengthName)
            return TextUtf8(NamedText(code.label, language), language);
    return field;
}

}

std::string FindingPlace(const RecordFinding& finding, TLangType language)
{
    if (finding.problem == RecordProblem::WrongSize)
        return MessageUtf8({MessageId::FileSizeField}, language);
    // An entry's number is in the address book's code column.
    if (finding.entry != 0)
        return MessageUtf8({MessageId::AddressBookName}, language) + " " + std::to_string(finding.entry) + " " +
               EntryUtf8(TextEntry::DtmfCode, language);
    const std::string label = FieldLabel(finding.field, language);
    if (finding.channel == 0)
        return label;
    return MessageUtf8({MessageId::ChannelNumber, {std::to_string(finding.channel)}}, language) + " " + label;
}
