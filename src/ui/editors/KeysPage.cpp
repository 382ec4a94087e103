#include "ui/editors/EditorPages.h"

#include <array>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

#include "lang/TextTable.h"
#include "ui/editors/FocusLoss.h"
#include "ui/editors/KeyFunctions.h"
#include "ui/editors/PageLayout.h"

namespace {

constexpr FormColumn KeyRows{16, 28, 110, 250};
constexpr int GroupLeft = 16;
constexpr int GroupTop = 16;
constexpr int GroupWidth = 400;
constexpr int GroupHeight = 88;
constexpr int GroupSpacing = 12;

// One programmable key: its group box, and a list for each press bound to its field.
struct KeyControls {
    int number;
    uint8_t RadioSettings::*shortField;
    uint8_t RadioSettings::*longField;
    QGroupBox* group = nullptr;
    QLabel* shortLabel = nullptr;
    QLabel* longLabel = nullptr;
    QComboBox* shortList = nullptr;
    QComboBox* longList = nullptr;
};

void Select(QComboBox* list, const KeyFunctionTable& table, uint8_t code)
{
    list->clear();
    for (const KeyFunction& function : table)
        list->addItem(function.text);
    list->setCurrentIndex(IndexOfFunctionCode(table, code));
}

}

struct KeysPage::Impl : QObject {
    explicit Impl(RadioSettings& s) : settings(s) {}

    void Build(KeyControls& key, QWidget* page, int top);
    void Refresh();
    void Store(QComboBox* list, const KeyFunctionTable& table, uint8_t RadioSettings::*field);
    void KeepLongPressFree(KeyControls& key);

    RadioSettings& settings;
    std::array<KeyControls, 2> keys{{{1, &RadioSettings::Key1Short, &RadioSettings::Key1Long},
                                     {2, &RadioSettings::Key2Short, &RadioSettings::Key2Long}}};
    KeyFunctionTable shortPress;
    KeyFunctionTable longPress;
    QCheckBox* channelLock = nullptr;
};

void KeysPage::Impl::Build(KeyControls& key, QWidget* page, int top)
{
    const QString name = QString::number(key.number);
    key.group = new QGroupBox(page);
    key.group->setObjectName("gbKey_" + name);
    key.group->setGeometry(GroupLeft, top, GroupWidth, GroupHeight);
    key.shortLabel = new QLabel(key.group);
    key.shortLabel->setObjectName("sKey_" + name + "_Short");
    key.shortList = new QComboBox(key.group);
    key.shortList->setObjectName("cbKey_" + name + "_Short");
    key.longLabel = new QLabel(key.group);
    key.longLabel->setObjectName("sKey_" + name + "_Long");
    key.longList = new QComboBox(key.group);
    key.longList->setObjectName("cbKey_" + name + "_Long");
    PlaceRow(KeyRows, 0, key.shortLabel, key.shortList);
    PlaceRow(KeyRows, 1, key.longLabel, key.longList);

    OnFocusLoss(key.shortList, this, [this, &key] { Store(key.shortList, shortPress, key.shortField); });
    OnFocusLoss(key.longList, this, [this, &key] { Store(key.longList, longPress, key.longField); });
    for (QComboBox* list : {key.shortList, key.longList})
        connect(list, &QComboBox::activated, this, [this, &key] { KeepLongPressFree(key); });
}

void KeysPage::Impl::Refresh()
{
    shortPress = ShortPressFunctions();
    longPress = LongPressFunctions();
    for (KeyControls& key : keys) {
        key.group->setTitle(QString("%1 %2").arg(Tr(TextEntry::Key)).arg(key.number));
        key.shortLabel->setText(Tr(TextEntry::ShortPress));
        key.longLabel->setText(Tr(TextEntry::LongPress));
        Select(key.shortList, shortPress, settings.*key.shortField);
        Select(key.longList, longPress, settings.*key.longField);
    }
    channelLock->setText(Tr(TextEntry::ChannelLock));
}

// A list that shows no selection matches no text and keeps the stored code.
void KeysPage::Impl::Store(QComboBox* list, const KeyFunctionTable& table, uint8_t RadioSettings::*field)
{
    if (const auto code = FunctionCodeOfText(table, list->currentText()))
        settings.*field = *code;
}

// The long press is forced back to its first entry, and stored at once so that the record
// never holds a long-press function beside a momentary short press.
void KeysPage::Impl::KeepLongPressFree(KeyControls& key)
{
    if (!IsMomentaryFunctionText(key.shortList->currentText()))
        return;
    key.longList->setCurrentIndex(0);
    Store(key.longList, longPress, key.longField);
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
