#include "notices/AccessibleNames.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>

namespace {

QString BuddyText(const QWidget* control)
{
    const QWidget* parent = control->parentWidget();
    if (!parent)
        return {};
    for (const QLabel* label : parent->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        if (label->buddy() == control)
            return label->text();
    return {};
}

QString VisibleName(const QWidget* control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(control); button && !button->text().isEmpty())
        return button->text();
    if (const QString buddy = BuddyText(control); !buddy.isEmpty())
        return buddy;
    if (const auto* box = qobject_cast<const QGroupBox*>(control->parentWidget()); box && !box->title().isEmpty())
        return box->title();
    return control->toolTip();
}

class NameOnShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            NameControls(static_cast<QWidget*>(watched));
        return false;
    }
};

}

void NameControls(QWidget* root)
{
    for (QWidget* control : root->findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || control->window() != root->window())
            continue;
        if (const QString name = VisibleName(control); !name.isEmpty())
            control->setAccessibleName(name);
    }
}

void NameControlsWhenShown(QWidget* window) { window->installEventFilter(new NameOnShow(window)); }

