#pragma once

#include <functional>

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QTimer>

class QLineEdit;
class QWidget;

// Shows a window without blocking and waits until it is active, so focus moves as for a user.
bool ShowActive(QWidget& window);

// Puts the focus in the box, replaces its text by typing `keys` one key at a time, and leaves it
// with Tab.
void RetypeAndLeave(QLineEdit* box, const QString& keys);

// Puts the focus in the box and types `keys` after a select-all, staying in the box.
void Retype(QLineEdit* box, const QString& keys);

// Puts the focus in the box and replaces its text by pasting `text` from the clipboard, staying
// in the box: the only way a box gets characters its key filter drops.
void Paste(QLineEdit* box, const QString& text);

// Tabs away from the box, which is where the calibration and serial-number boxes commit.
void Leave(QLineEdit* box);

// The text of the next one-button notice, which is then closed with its OK button. Returns at
// once; `text` is filled when the notice appears.
void AnswerNextNotice(QString& text);

// Starts the next transfer dialog that opens and answers the notice it ends with; `outcome` gets
// the notice's text. Returns at once.
void StartNextTransfer(QString& outcome);

// Keeps events flowing until `done` holds or the time runs out.
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 10000);

// While alive, closes any modal dialog that stays open longer than a test would leave it and
// reports a failure, so that a missing answer fails the test instead of hanging it.
class StrayModalGuard {
public:
    StrayModalGuard();

private:
    QTimer timer_;
    QPointer<QWidget> seen_;
    QElapsedTimer open_;
};
