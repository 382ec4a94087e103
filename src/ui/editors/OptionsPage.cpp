#include "ui/editors/EditorPages.h"

struct OptionsPage::Impl : QObject {
    explicit Impl(RadioSettings& s, QObject* owner) : QObject(owner), settings(s) {}
    RadioSettings& settings;
};

OptionsPage::OptionsPage(RadioSettings& settings, QWidget* parent) : QWidget(parent), impl_(new Impl(settings, this))
{
    setObjectName("TabSheet_Option");
}

void OptionsPage::Refresh() {}
