#include "lang/FindingPlace.h"

#include "lang/OptionTexts.h"
#include "lang/Utf8Text.h"

using TTeskFuncs::TLangType;

namespace {

struct ChannelFieldName {
    const char* field;
    MessageId name;
};

// A channel's values in words, not by the grid's abbreviated column titles.
constexpr ChannelFieldName ChannelFieldNames[] = {
    {"RxFreq", MessageId::FieldReceiveFrequency},
    {"TxFreq", MessageId::FieldTransmitFrequency},
    {"DecType/DecCode", MessageId::FieldReceiveTone},
    {"EncType/EncCode", MessageId::FieldTransmitTone},
    {"Power", MessageId::FieldPower},
    {"BusyLock", MessageId::FieldBusyLock},
    {"ChSquelchMode", MessageId::FieldSquelchMode},
    {"Bandwidth", MessageId::FieldBandwidth},
    {"ScanAdd", MessageId::FieldScanAdd},
    {"Dtmf", MessageId::FieldDtmf},
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
    if (const ChannelFieldName* name = Find(ChannelFieldNames, field))
        return MessageUtf8({name->name}, language);
    // The options by the captions of their controls; a code and its length by the code's caption.
    if (const OptionField* option = FindOptionField(field))
        return TextUtf8(FieldCaption(*option, language), language);
    for (const DtmfCodeField& code : DtmfCodeFields())
        if (field == code.name || field == code.lengthName)
            return TextUtf8(NamedText(code.label, language), language);
    return field;
}

}

std::string FindingPlace(const RecordFinding& finding, TLangType language)
{
    if (finding.problem == RecordProblem::WrongSize)
        return MessageUtf8({MessageId::FileSizeField}, language);
    if (finding.entry != 0)
        return MessageUtf8({MessageId::AddressBookCodePlace, {std::to_string(finding.entry)}}, language);
    const std::string label = FieldLabel(finding.field, language);
    if (finding.channel == 0)
        return label;
    return MessageUtf8({MessageId::ChannelFieldPlace, {std::to_string(finding.channel), label}}, language);
}
