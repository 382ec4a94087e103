#include "ui/editors/PageLayout.h"

#include <QLabel>

namespace {
constexpr int LabelGap = 6;
}

void PlaceRow(const FormColumn& column, int row, QWidget* label, QWidget* control)
{
    const int top = column.top + row * RowPitch;
    // The label beside a control names it for screen readers.
    if (auto* caption = qobject_cast<QLabel*>(label))
        caption->setBuddy(control);
    label->setGeometry(column.left, top, column.labelWidth, ControlHeight);
    control->setGeometry(column.left + column.labelWidth + LabelGap, top, column.controlWidth, ControlHeight);
}

void PlaceRow(const FormColumn& column, int row, QWidget* control)
{
    const int top = column.top + row * RowPitch;
    control->setGeometry(column.left, top, column.labelWidth + LabelGap + column.controlWidth, ControlHeight);
}
