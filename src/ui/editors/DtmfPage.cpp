#include "ui/editors/EditorPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/editors/AddressBook.h"
#include "ui/editors/PageLayout.h"

namespace {

constexpr int CodeColumnIndex = 0;
constexpr int TimingColumnIndex = 1;

constexpr FormColumn CodeColumn{16, 16, 120, 110};
constexpr FormColumn TimingColumn{270, 16, 120, 150};
constexpr QPoint AddressBookPlace(566, 16);

}

// Fields the radio has no use for keep their controls, hidden.
void DtmfPage::PlaceColumn(int column, const FormColumn& form)
{
    for (const PageRow& row : PageRowsAt(OptionPage::Dtmf, column)) {
        const EditorNames& names = row.Editor();
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
