#include "lang/FindingPlace.h"

#include "lang/ChannelTexts.h"
#include "lang/DisplayMessage.h"
#include "lang/OptionTexts.h"
#include "lang/TextTable.h"

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

QString FieldLabel(const std::string& field)
{
    if (const ColumnLabel* label = Find(ChannelLabels, field))
        return ChannelColumnTitle(label->column);
    // The options by the captions of their controls; a code's length by its code's caption.
    if (const OptionField* option = FindOptionField(field))
        return DisplayText(FieldCaption(*option));
    for (const DtmfCodeField& code : DtmfCodeFields())
        if (field == code.lengthName)
            return DisplayText(NamedText(code.label));
    return QString::fromStdString(field);
}

}

QString FindingPlace(const RecordFinding& finding)
{
    if (finding.problem == RecordProblem::WrongSize)
        return DisplayMessage({MessageId::FileSizeField});
    // An entry's number is in the address book's code column.
    if (finding.entry != 0)
        return QString("%1 %2 %3")
            .arg(DisplayMessage({MessageId::AddressBookName}))
            .arg(finding.entry)
            .arg(Tr(TextEntry::DtmfCode));
    const QString label = FieldLabel(finding.field);
    if (finding.channel == 0)
        return label;
    return DisplayMessage({MessageId::ChannelNumber, {std::to_string(finding.channel)}}) + " " + label;
}
