#include "ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace ModalDriver {

void OnNextModal(std::function<void(QWidget*)> action, int timeoutMs)
{
    auto* timer = new QTimer(qApp);
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [=]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != before.data() && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

void ClickOnNextModal(const char* buttonName, int timeoutMs)
{
    const QString name = QString::fromLatin1(buttonName);
    OnNextModal([name](QWidget* modal) {
        if (auto* button = modal->findChild<QAbstractButton*>(name))
            QTest::mouseClick(button, Qt::LeftButton);
    }, timeoutMs);
}

}
