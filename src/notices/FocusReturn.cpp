#include "notices/FocusReturn.h"

#include <vector>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

namespace {

void ActivateFirstOpen(const std::vector<QPointer<QWidget>>& windows)
{
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->activateWindow();
        return;
    }
    for (const QPointer<QWidget>& window : windows) {
        if (window && window->isVisible()) {
            window->activateWindow();
            window->raise();
            return;
        }
    }
}

}

// The windows are gathered while the notice still knows its owner; the owner may be gone by the
// time the event loop has closed it.
void ReturnFocusWhenClosed(QDialog& notice)
{
    QObject::connect(&notice, &QDialog::finished, qApp, [&notice] {
        std::vector<QPointer<QWidget>> windows;
        for (QWidget* owner = notice.parentWidget(); owner; owner = owner->window()->parentWidget())
            windows.emplace_back(owner->window());
        QTimer::singleShot(0, qApp, [windows] { ActivateFirstOpen(windows); });
    });
}
