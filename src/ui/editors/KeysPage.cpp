#include "ui/editors/EditorPages.h"

struct KeysPage::Impl : QObject {
    explicit Impl(RadioSettings& s, QObject* owner) : QObject(owner), settings(s) {}
    RadioSettings& settings;
};

KeysPage::KeysPage(RadioSettings& settings, QWidget* parent) : QWidget(parent), impl_(new Impl(settings, this))
{
    setObjectName("TabSheet_Key");
}

void KeysPage::Refresh() {}
