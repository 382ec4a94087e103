#include "ui/editors/EditorPages.h"

#include <array>
#include <optional>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

#include "lang/OptionTexts.h"
#include "lang/TextTable.h"
#include "model/KeyAssignment.h"
#include "ui/editors/FocusLoss.h"
#include "ui/editors/PageLayout.h"

namespace {

constexpr FormColumn KeyRows{16, 28, 110, 250};
constexpr int GroupLeft = 16;
constexpr int GroupTop = 16;
constexpr int GroupWidth = 400;
constexpr int GroupHeight = 88;
constexpr int GroupSpacing = 12;
constexpr size_t ShortPressRow = 0;
constexpr size_t LongPressRow = 1;

// One programmable key: its group box, and a list for each press bound to its row of the option
// table. The keys are the columns of the table's key page.
struct KeyControls {
    int number;
    const OptionField* shortPress = nullptr;
    const OptionField* longPress = nullptr;
    QGroupBox* group = nullptr;
    QLabel* shortLabel = nullptr;
    QLabel* longLabel = nullptr;
    QComboBox* shortList = nullptr;
    QComboBox* longList = nullptr;
};

void Fill(QComboBox* list, const OptionField& field, const RadioSettings& settings)
{
    list->clear();
    for (const std::string& text : ChoiceTexts(field))
        list->addItem(DisplayText(text));
    list->setCurrentIndex(field.IndexOf(field.Get(settings)));
}

// The function a list's text names: the first item that reads alike. A list that shows no
// selection names none.
std::optional<uint32_t> FunctionOfText(const OptionField& field, const QString& text)
{
    for (const Choice& choice : field.choices)
        if (DisplayText(ChoiceText(choice.label)) == text)
            return choice.value;
    return std::nullopt;
}

}

struct KeysPage::Impl : QObject {
    explicit Impl(RadioSettings& s) : settings(s) {}

    void Build(KeyControls& key, QWidget* page, int top);
    void Refresh();
    void Store(KeyControls& key, QComboBox* list, const OptionField& field);
    void KeepLongPressFree(KeyControls& key);

    RadioSettings& settings;
    std::array<KeyControls, 2> keys{{{1}, {2}}};
    QCheckBox* channelLock = nullptr;
};

void KeysPage::Impl::Build(KeyControls& key, QWidget* page, int top)
{
    const std::vector<const OptionField*> presses = OptionFieldsAt(OptionPage::Keys, key.number - 1);
    key.shortPress = presses.at(ShortPressRow);
    key.longPress = presses.at(LongPressRow);
    key.group = new QGroupBox(page);
    key.group->setObjectName("gbKey_" + QString::number(key.number));
    key.group->setGeometry(GroupLeft, top, GroupWidth, GroupHeight);
    key.shortLabel = new QLabel(key.group);
    key.shortLabel->setObjectName(key.shortPress->editor.label);
    key.shortList = new QComboBox(key.group);
    key.shortList->setObjectName(key.shortPress->editor.control);
    key.longLabel = new QLabel(key.group);
    key.longLabel->setObjectName(key.longPress->editor.label);
    key.longList = new QComboBox(key.group);
    key.longList->setObjectName(key.longPress->editor.control);
    PlaceRow(KeyRows, 0, key.shortLabel, key.shortList);
    PlaceRow(KeyRows, 1, key.longLabel, key.longList);

    OnFocusLoss(key.shortList, this, [this, &key] { Store(key, key.shortList, *key.shortPress); });
    OnFocusLoss(key.longList, this, [this, &key] { Store(key, key.longList, *key.longPress); });
    for (QComboBox* list : {key.shortList, key.longList})
        connect(list, &QComboBox::activated, this, [this, &key] { KeepLongPressFree(key); });
}

void KeysPage::Impl::Refresh()
{
    for (KeyControls& key : keys) {
        key.group->setTitle(DisplayText(KeyGroupCaption(key.number, AppLang().LangType())));
        key.shortLabel->setText(DisplayText(NamedText(key.shortPress->label)));
        key.longLabel->setText(DisplayText(NamedText(key.longPress->label)));
        Fill(key.shortList, *key.shortPress, settings);
        Fill(key.longList, *key.longPress, settings);
    }
    channelLock->setText(Tr(TextEntry::ChannelLock));
}

// A list that shows no selection matches no text and keeps the stored code. When the key's rule
// changed what was chosen, the lists show what the record holds.
void KeysPage::Impl::Store(KeyControls& key, QComboBox* list, const OptionField& field)
{
    const auto code = FunctionOfText(field, list->currentText());
    if (!code)
        return;
    const KeyAssignment assignment = AssignKeyFunction(settings, field, *code);
    if (assignment.taken && !assignment.longPressCleared)
        return;
    key.shortList->setCurrentIndex(key.shortPress->IndexOf(key.shortPress->Get(settings)));
    key.longList->setCurrentIndex(key.longPress->IndexOf(key.longPress->Get(settings)));
}

// The long press is forced back to its first entry, and stored at once so that the record
// never holds a long-press function beside a momentary short press.
void KeysPage::Impl::KeepLongPressFree(KeyControls& key)
{
    const auto shortPress = FunctionOfText(*key.shortPress, key.shortList->currentText());
    if (!shortPress || !IsMomentaryKeyFunction(*shortPress))
        return;
    key.longList->setCurrentIndex(0);
    Store(key, key.longList, *key.longPress);
}

KeysPage::KeysPage(RadioSettings& settings, QWidget* parent) : QWidget(parent), impl_(new Impl(settings))
{
    setObjectName("TabSheet_Key");
    int top = GroupTop;
    for (KeyControls& key : impl_->keys) {
        impl_->Build(key, this, top);
        top += GroupHeight + GroupSpacing;
    }
    impl_->channelLock = new QCheckBox(this);
    impl_->channelLock->setObjectName("cChannelLock");
    impl_->channelLock->setGeometry(GroupLeft, top, GroupWidth, ControlHeight);
    impl_->channelLock->hide();
}

KeysPage::~KeysPage() = default;

void KeysPage::Refresh() { impl_->Refresh(); }
