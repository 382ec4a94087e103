#include "ui/editors/EditorPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>

#include "ui/editors/PageLayout.h"

namespace {

constexpr int ListColumnIndex = 0;
constexpr int CheckColumnIndex = 1;

constexpr QRect BevelArea(16, 12, 580, 356);
constexpr FormColumn ListColumn{32, 24, 150, 186};
constexpr FormColumn CheckColumn{410, 24, 0, 170};

}

OptionsPage::OptionsPage(RadioSettings& settings, QWidget* parent) : QWidget(parent), controls_(settings, this)
{
    setObjectName("TabSheet_Option");
    auto* bevel = new QFrame(this);
    bevel->setObjectName("Bevel1");
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(BevelArea);

    const auto lists = OptionFieldsAt(OptionPage::Options, ListColumnIndex);
    for (size_t row = 0; row < lists.size(); ++row) {
        const EditorNames& names = lists[row]->editor;
        const LabelledList list = controls_.AddOptionList(*lists[row], names.control, names.label);
        PlaceRow(ListColumn, int(row), list.label, list.list);
        // Kept in the record and the data file, but the radio has no use for it: the control stays hidden.
        if (!lists[row]->place.offered) {
            list.label->hide();
            list.list->hide();
        }
    }
    const auto checks = OptionFieldsAt(OptionPage::Options, CheckColumnIndex);
    for (size_t row = 0; row < checks.size(); ++row)
        PlaceRow(CheckColumn, int(row), controls_.AddOptionCheck(*checks[row], checks[row]->editor.control));
}

void OptionsPage::Refresh() { controls_.Refresh(); }
