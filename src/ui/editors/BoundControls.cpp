#include "ui/editors/BoundControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "lang/OptionTexts.h"
#include "lang/TextTable.h"
#include "model/FieldEntry.h"
#include "ui/editors/DtmfCodeInput.h"
#include "ui/editors/FocusLoss.h"

namespace {

QString Caption(const char* entryName) { return DisplayText(NamedText(entryName)); }

QLabel* Label(QWidget* page, const char* name)
{
    auto* label = new QLabel(page);
    label->setObjectName(name);
    return label;
}

}

BoundControls::BoundControls(RadioSettings& settings, QWidget* page) : settings_(settings), page_(page) {}

LabelledList BoundControls::AddOptionList(const OptionField& field, const char* listName, const char* labelName)
{
    QLabel* label = Label(page_, labelName);
    auto* list = new QComboBox(page_);
    list->setObjectName(listName);
    choices_.push_back({{label, list}, &field});
    const size_t index = choices_.size() - 1;
    OnFocusLoss(list, this, [this, index] { StoreChoice(choices_[index]); });
    return {label, list};
}

QCheckBox* BoundControls::AddOptionCheck(const OptionField& field, const char* boxName)
{
    auto* box = new QCheckBox(page_);
    box->setObjectName(boxName);
    checks_.push_back({box, &field});
    const size_t index = checks_.size() - 1;
    OnFocusLoss(box, this, [this, index] { StoreCheck(checks_[index]); });
    return box;
}

LabelledBox BoundControls::AddDtmfCode(const DtmfCodeField& field, const char* boxName, const char* labelName)
{
    QLabel* label = Label(page_, labelName);
    auto* box = new QLineEdit(page_);
    box->setObjectName(boxName);
    AcceptDtmfSymbolsOnly(box);
    codes_.push_back({{label, box}, &field});
    const size_t index = codes_.size() - 1;
    OnFocusLoss(box, this, [this, index] { StoreCode(codes_[index]); });
    return {label, box};
}

void BoundControls::Refresh()
{
    for (const BoundChoice& choice : choices_)
        RefreshChoice(choice);
    for (const BoundCheck& check : checks_)
        RefreshCheck(check);
    for (const BoundCode& code : codes_)
        RefreshCode(code);
}

void BoundControls::RefreshChoice(const BoundChoice& choice)
{
    const OptionField& field = *choice.field;
    QComboBox* list = choice.controls.list;
    choice.controls.label->setText(Caption(field.label));
    list->clear();
    for (const std::string& text : ChoiceTexts(field))
        list->addItem(DisplayText(text));
    list->setCurrentIndex(field.IndexOf(field.Get(settings_)));
}

void BoundControls::RefreshCheck(const BoundCheck& check)
{
    const OptionField& field = *check.field;
    check.box->setText(Caption(field.label));
    check.box->setChecked(field.Ticked(field.Get(settings_)));
}

void BoundControls::RefreshCode(const BoundCode& code)
{
    code.controls.label->setText(Caption(code.field->label));
    ShowCode(code);
}

void BoundControls::ShowCode(const BoundCode& code)
{
    code.controls.box->setText(QString::fromStdString(code.field->Text(settings_)));
}

// A list that shows no selection (a stored value outside the list) keeps the stored value.
void BoundControls::StoreChoice(const BoundChoice& choice)
{
    const int index = choice.controls.list->currentIndex();
    if (index < 0)
        return;
    const OptionField& field = *choice.field;
    field.Set(settings_, field.choices.at(size_t(index)).value);
}

void BoundControls::StoreCheck(const BoundCheck& check)
{
    check.field->Set(settings_, check.box->isChecked() ? 1 : 0);
}

// The box shows the stored code again, so that what it shows is what the radio will get.
void BoundControls::StoreCode(const BoundCode& code)
{
    const Entered<std::string> symbols = DtmfCodeEntry(code.controls.box->text().toStdString(), DtmfCodeCapacity);
    code.field->Store(settings_, symbols.value);
    ShowCode(code);
}
