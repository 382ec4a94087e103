#pragma once

#include <QDialog>

#include "link/engine/TransferContext.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Takes a new password twice and, when both entries agree exactly (letter case included), sets it
// in the radio through a password-setting transfer; on success it becomes the current password.
class TNewPasswordDlg : public QDialog {
    Q_OBJECT
public:
    TNewPasswordDlg(const TransferContext& link, QWidget* owner);

    QLabel* sInput;
    QLabel* sSureInput;
    QLineEdit* eInput;
    QLineEdit* eSureInput;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

private:
    void OKBtnClick();
    void SetPasswordInRadio();
    void WarnMismatch();

    TransferContext link_;
};
