#include "ui/editors/EditorPages.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/editors/AddressBook.h"
#include "ui/editors/PageLayout.h"

namespace {

// The controls of the option table's rows on this page, by the field they edit. A check box
// carries its own caption and has no label.
struct ControlNames {
    std::string_view field;
    const char* control;
    const char* label;
};

constexpr ControlNames DtmfControlNames[] = {
    {"RemoteStunCode", "eDizzy", "sDizzy"},
    {"RemoteKillCode", "eStun", "sStun"},
    {"ActivationCode", "eActivation", "sActivation"},
    {"Ani", "eANI", "sANI"},
    {"StunKillState", "cbDizzyState", "sDizzyState"},
    {"SendAni", "cSendANI", nullptr},
    {"GroupCode", "cbGroupCode", "sGroupCode"},
    {"AutoReset", "cbAutoReset", "sAutoReset"},
    {"PttId", "ePTT_ID", "sPtt_Id"},
    {"DtmfId", "cbD_ID", "sD_ID"},
    {"DtmfGroup", "cbD_Group", "sD_Group"},
    {"SquelchMode", "cbSquelchMode", "sSquelchMode"},
    {"DtmfControl", "cD_Control", nullptr},
    {"Limited", "cLimited", nullptr},
    {"DtmfEncodeMode", "cbD_EncodeMode", "sD_EncodeMode"},
    {"DtmfDigitSpeed", "cbD_DigitSpeed", "sD_DigitSpeed"},
    {"DtmfPauseDuration", "cbD_PauseDuration", "sD_PauseDuration"},
    {"DtmfFirstDelay", "cbD_FirstDelay", "sD_FirstDelay"},
    {"DtmfPretime", "cbD_Pretime", "sD_Pretime"},
    {"DtmfStarHashDelay", "cbD_Mi_Jing_Delay", "sD_Mi_Jing_Delay"},
    {"DtmfSideTone", "cD_SideTone", nullptr},
};

const ControlNames& NamesOf(std::string_view field)
{
    for (const ControlNames& names : DtmfControlNames)
        if (names.field == field)
            return names;
    throw std::logic_error("the DTMF page has no control for " + std::string(field));
}

// A row of the page: a DTMF code or an option.
struct PageRow {
    OptionPlace place;
    const DtmfCodeField* code;
    const OptionField* option;
};

// The codes and options of one column, top to bottom.
std::vector<PageRow> RowsOf(int column)
{
    std::vector<PageRow> rows;
    for (const DtmfCodeField& code : DtmfCodeFields())
        if (code.place.page == OptionPage::Dtmf && code.place.column == column)
            rows.push_back({code.place, &code, nullptr});
    for (const OptionField* option : OptionFieldsAt(OptionPage::Dtmf, column))
        rows.push_back({option->place, nullptr, option});
    std::sort(rows.begin(), rows.end(), [](const PageRow& a, const PageRow& b) { return a.place.row < b.place.row; });
    return rows;
}

constexpr int CodeColumnIndex = 0;
constexpr int TimingColumnIndex = 1;

constexpr FormColumn CodeColumn{16, 16, 120, 110};
constexpr FormColumn TimingColumn{270, 16, 120, 150};
constexpr QPoint AddressBookPlace(566, 16);

}

// Fields the radio has no use for keep their controls, hidden.
void DtmfPage::PlaceColumn(int column, const FormColumn& form)
{
    for (const PageRow& row : RowsOf(column)) {
        const ControlNames& names = NamesOf(row.code ? row.code->name : row.option->name);
        QWidget* label = nullptr;
        QWidget* control = nullptr;
        if (row.code) {
            const LabelledBox box = controls_.AddDtmfCode(*row.code, names.control, names.label);
            label = box.label;
            control = box.box;
        } else if (row.option->kind == OptionKind::Flag) {
            control = controls_.AddOptionCheck(*row.option, names.control);
        } else {
            const LabelledList list = controls_.AddOptionList(*row.option, names.control, names.label);
            label = list.label;
            control = list.list;
        }
        if (label)
            PlaceRow(form, row.place.row, label, control);
        else
            PlaceRow(form, row.place.row, control);
        for (QWidget* widget : {label, control})
            if (widget && !row.place.offered)
                widget->hide();
    }
}

DtmfPage::DtmfPage(RadioSettings& settings, QWidget* parent) : QWidget(parent), controls_(settings, this)
{
    setObjectName("TabSheet_Dtmf");
    PlaceColumn(CodeColumnIndex, CodeColumn);
    PlaceColumn(TimingColumnIndex, TimingColumn);
    addressBook_ = new AddressBook(settings, this, AddressBookPlace);
}

void DtmfPage::Refresh()
{
    controls_.Refresh();
    addressBook_->Refresh();
}
