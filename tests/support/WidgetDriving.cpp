#include "WidgetDriving.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ModalDriver.h"

bool ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void Retype(QLineEdit* box, const QString& keys)
{
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (keys.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, keys);
}

void RetypeAndLeave(QLineEdit* box, const QString& keys)
{
    Retype(box, keys);
    Leave(box);
}

void Paste(QLineEdit* box, const QString& text)
{
    QApplication::clipboard()->setText(text);
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

void Leave(QLineEdit* box) { QTest::keyClick(box, Qt::Key_Tab); }

void AnswerNextNotice(QString& text)
{
    ModalDriver::OnNextModal([&text](QWidget* notice) {
        if (auto* label = notice->findChild<QLabel*>(QStringLiteral("WarnDlgText")))
            text = label->text();
        if (auto* ok = notice->findChild<QPushButton*>(QStringLiteral("OKBtn")))
            ok->click();
    });
}

void StartNextTransfer(QString& outcome)
{
    ModalDriver::OnNextModal([&outcome](QWidget* transfer) {
        AnswerNextNotice(outcome);
        if (auto* start = transfer->findChild<QPushButton*>(QStringLiteral("ProgramStart")))
            start->click();
    });
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs)
{
    return QTest::qWaitFor(done, timeoutMs);
}

namespace {

constexpr int StrayModalPollMs = 50;
constexpr int StrayModalLimitMs = 3000;

}

StrayModalGuard::StrayModalGuard()
{
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != seen_.data()) {
            seen_ = modal;
            open_.start();
        } else if (modal && open_.elapsed() > StrayModalLimitMs) {
            ADD_FAILURE() << "a modal dialog was left open: " << modal->metaObject()->className();
            modal->close();
        }
    });
    timer_.start(StrayModalPollMs);
}
