#include "password/SetPasswordDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "notices/AccessibleNames.h"
#include "password/NewPasswordDlg.h"
#include "password/PasswordEdit.h"
#include "password/PasswordTexts.h"

TSetPasswordDlg::TSetPasswordDlg(const TransferContext& link, QWidget* owner)
    : QDialog(owner), sPassword(MakeCaption("sPassword", TextEntry::InputPassword, this)),
      eInput(MakePasswordEdit("eInput", this)), OKBtn(MakeCaptionedButton("OKBtn", TextEntry::Ok, this)),
      CancelBtn(MakeCaptionedButton("CancelBtn", TextEntry::Cancel, this)),
      bNewPassword(MakeCaptionedButton("bNewPassword", TextEntry::NewPassword, this)), link_(link)
{
    OKBtn->setDefault(true);
    sPassword->setBuddy(eInput);
    NameControlsWhenShown(this);
    bNewPassword->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(sPassword, 0, 0, 1, 3);
    layout->addWidget(eInput, 1, 0, 1, 3);
    layout->addWidget(OKBtn, 2, 0);
    layout->addWidget(CancelBtn, 2, 1);
    layout->addWidget(bNewPassword, 2, 2);

    connect(OKBtn, &QPushButton::clicked, this, &TSetPasswordDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(bNewPassword, &QPushButton::clicked, this, &TSetPasswordDlg::bNewPasswordClick);
}

void TSetPasswordDlg::TakePassword() { StorePassword(link_.Settings.Password, eInput->text()); }

void TSetPasswordDlg::OKBtnClick()
{
    TakePassword();
    accept();
}

void TSetPasswordDlg::bNewPasswordClick()
{
    TakePassword();
    TNewPasswordDlg dialog(link_, this);
    dialog.exec();
}
