#include "ui/editors/EditorPages.h"

struct ChannelGridEditor::Impl : QObject {
    explicit Impl(RadioSettings& s, QObject* owner) : QObject(owner), settings(s) {}
    RadioSettings& settings;
};

ChannelGridEditor::ChannelGridEditor(RadioSettings& settings, QWidget* parent) : QWidget(parent), impl_(new Impl(settings, this))
{
    setObjectName("ChannelGridEditor");
}

void ChannelGridEditor::Refresh() {}
