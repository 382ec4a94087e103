#pragma once

#include <QDialog>

#include "link/engine/TransferContext.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the password that read and write transfers present to the radio, and leads on to
// setting a new password in the radio. Never shows a stored password.
class TSetPasswordDlg : public QDialog {
    Q_OBJECT
public:
    TSetPasswordDlg(const TransferContext& link, QWidget* owner);

    QLabel* sPassword;
    QLineEdit* eInput;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* bNewPassword;  // stays in this dialog afterwards

private:
    void OKBtnClick();
    void bNewPasswordClick();
    void TakePassword();

    TransferContext link_;
};
