#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The generic notices. Each use builds a fresh instance owned by the calling window, fills in
// the texts, runs exec() and reads the modal result. Titles are empty.

// One-button notice; its OK caption follows the current language. A text too long for the
// text box widens and heightens the dialog when it is shown, so no message is ever cut off.
class TUserWarnDlg : public QDialog {
    Q_OBJECT
public:
    explicit TUserWarnDlg(QWidget* owner);
    QLabel* WarnDlgText;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;  // exists, never shown

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FitTextBox();
};

// Two-button confirmation; the caller sets the text and both captions. Like the notice, it grows
// when shown with a text too long for its text box.
class TMyWarnDlg_2 : public QDialog {
    Q_OBJECT
public:
    explicit TMyWarnDlg_2(QWidget* owner);
    QLabel* Label1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

protected:
    void showEvent(QShowEvent* event) override;
};

// Three-button question (Yes / No / Cancel); exec() returns ModalResultNo for No.
class TMyWarnDlg_3 : public QDialog {
    Q_OBJECT
public:
    static constexpr int ModalResultNo = 7;
    explicit TMyWarnDlg_3(QWidget* owner);
    QLabel* Label1;
    QPushButton* OKBtn;
    QPushButton* NoBtn;
    QPushButton* CancelBtn;
};

class TAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit TAboutDlg(QWidget* owner);
    QLabel* sName;
    QLabel* sVersion;
    QLabel* sOwnership;
    QLabel* sMaker;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;  // exists, never shown
};
