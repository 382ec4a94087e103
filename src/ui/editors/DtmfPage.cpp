#include "ui/editors/EditorPages.h"

struct DtmfPage::Impl : QObject {
    explicit Impl(RadioSettings& s, QObject* owner) : QObject(owner), settings(s) {}
    RadioSettings& settings;
};

DtmfPage::DtmfPage(RadioSettings& settings, QWidget* parent) : QWidget(parent), impl_(new Impl(settings, this))
{
    setObjectName("TabSheet_Dtmf");
}

void DtmfPage::Refresh() {}
