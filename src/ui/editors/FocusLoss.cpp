#include "ui/editors/FocusLoss.h"

#include <QEvent>
#include <QFocusEvent>
#include <QWidget>

namespace {

bool LeavesControl(Qt::FocusReason reason)
{
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

class FocusLossWatcher : public QObject {
public:
    FocusLossWatcher(QWidget* control, std::function<void()> leave) : QObject(control), leave_(std::move(leave))
    {
        control->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut && LeavesControl(static_cast<QFocusEvent*>(event)->reason()))
            leave_();
        return false;
    }

private:
    std::function<void()> leave_;
};

}

void OnFocusLoss(QWidget* control, std::function<void()> leave)
{
    new FocusLossWatcher(control, std::move(leave));
}
