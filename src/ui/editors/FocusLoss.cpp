#include "ui/editors/FocusLoss.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QPointer>
#include <QWidget>

namespace {

// A list that drops down may take the focus into itself after it opened, for no reason of its own.
bool LeavesControl(Qt::FocusReason reason)
{
    const QWidget* next = QApplication::focusWidget();
    const bool intoPopup = next && next->window()->windowType() == Qt::Popup;
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && !intoPopup;
}

class FocusLossWatcher : public QObject {
public:
    FocusLossWatcher(QWidget* control, const QObject* context, std::function<void()> leave)
        : QObject(control), context_(context), leave_(std::move(leave))
    {
        control->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut && context_ && LeavesControl(static_cast<QFocusEvent*>(event)->reason()))
            leave_();
        return false;
    }

private:
    QPointer<const QObject> context_;
    std::function<void()> leave_;
};

}

void OnFocusLoss(QWidget* control, const QObject* context, std::function<void()> leave)
{
    new FocusLossWatcher(control, context, std::move(leave));
}
