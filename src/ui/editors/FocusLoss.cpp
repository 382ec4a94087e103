#include "ui/editors/FocusLoss.h"

#include <QEvent>
#include <QFocusEvent>
#include <QPointer>
#include <QWidget>

namespace {

bool LeavesControl(Qt::FocusReason reason)
{
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
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
