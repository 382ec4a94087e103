#include "ui/editors/BoundControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "lang/OptionTexts.h"
#include "lang/TextTable.h"
#include "model/DtmfDigits.h"
#include "model/FieldEntry.h"
#include "ui/editors/DtmfCodeInput.h"
#include "ui/editors/FocusLoss.h"

BoundControls::BoundControls(RadioSettings& settings, QWidget* page) : settings_(settings), page_(page) {}

LabelledList BoundControls::AddChoice(ChoiceBinding binding)
{
    auto* label = new QLabel(page_);
    label->setObjectName(binding.labelName);
    auto* list = new QComboBox(page_);
    list->setObjectName(binding.listName);
    choices_.push_back({{label, list}, std::move(binding)});
    const size_t index = choices_.size() - 1;
    OnFocusLoss(list, this, [this, index] { StoreChoice(choices_[index]); });
    return {label, list};
}

QCheckBox* BoundControls::AddCheck(CheckBinding binding)
{
    return AddCheck(binding.boxName, {nullptr, binding.captionEntry, FieldOf(binding.field), binding.tickedWhen});
}

LabelledList BoundControls::AddOptionList(const OptionField& field, const char* listName, const char* labelName)
{
    const auto values = [&field](int index) { return int(field.choices.at(size_t(index)).value); };
    const auto indexOf = [&field](int value) { return field.IndexOf(uint32_t(value)); };
    const auto texts = [&field] {
        QStringList items;
        for (const std::string& text : ChoiceTexts(field))
            items << DisplayText(text);
        return items;
    };
    return AddChoice({listName, labelName, *TextEntryNamed(field.label), texts, FieldOf(field), {indexOf, values}});
}

QCheckBox* BoundControls::AddOptionCheck(const OptionField& field, const char* boxName)
{
    const TickedWhen tick = field.tick == TickRule::ExactlyOne ? TickedWhen::ExactlyOne : TickedWhen::NonZero;
    return AddCheck(boxName, {nullptr, *TextEntryNamed(field.label), FieldOf(field), tick});
}

QCheckBox* BoundControls::AddCheck(const char* boxName, BoundCheck check)
{
    auto* box = new QCheckBox(page_);
    box->setObjectName(boxName);
    check.box = box;
    checks_.push_back(std::move(check));
    const size_t index = checks_.size() - 1;
    OnFocusLoss(box, this, [this, index] { StoreCheck(checks_[index]); });
    return box;
}

LabelledBox BoundControls::AddDtmfCode(DtmfCodeBinding binding)
{
    auto* label = new QLabel(page_);
    label->setObjectName(binding.labelName);
    auto* box = new QLineEdit(page_);
    box->setObjectName(binding.boxName);
    AcceptDtmfSymbolsOnly(box);
    codes_.push_back({{label, box}, binding});
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
    const ChoiceBinding& binding = choice.binding;
    QComboBox* list = choice.controls.list;
    choice.controls.label->setText(Tr(binding.labelEntry));
    list->clear();
    list->addItems(binding.items());
    const int index = binding.mapping.indexOf(binding.field.get(settings_));
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

void BoundControls::RefreshCheck(const BoundCheck& check)
{
    const int value = check.field.get(settings_);
    check.box->setText(Tr(check.captionEntry));
    check.box->setChecked(check.tickedWhen == TickedWhen::ExactlyOne ? value == 1 : value != 0);
}

void BoundControls::RefreshCode(const BoundCode& code)
{
    const DtmfCodeBinding& binding = code.binding;
    code.controls.label->setText(Tr(binding.labelEntry));
    ShowCode(code);
}

void BoundControls::ShowCode(const BoundCode& code)
{
    const DtmfCodeBinding& binding = code.binding;
    const std::string text = DtmfText(settings_.*binding.codes, DtmfCodeCapacity, settings_.*binding.length);
    code.controls.box->setText(QString::fromStdString(text));
}

// A list that shows no selection (a stored value outside the list) keeps the stored value.
void BoundControls::StoreChoice(const BoundChoice& choice)
{
    const int index = choice.controls.list->currentIndex();
    if (index < 0)
        return;
    choice.binding.field.set(settings_, choice.binding.mapping.valueOf(index));
}

void BoundControls::StoreCheck(const BoundCheck& check)
{
    check.field.set(settings_, check.box->isChecked() ? 1 : 0);
}

// The box shows the stored code again, so that what it shows is what the radio will get.
void BoundControls::StoreCode(const BoundCode& code)
{
    const Entered<std::string> symbols = DtmfCodeEntry(code.controls.box->text().toStdString(), DtmfCodeCapacity);
    StoreDtmfText(symbols.value, settings_.*code.binding.codes, DtmfCodeCapacity, settings_.*code.binding.length);
    ShowCode(code);
}
