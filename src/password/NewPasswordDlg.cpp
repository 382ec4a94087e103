#include "password/NewPasswordDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "lang/TextTable.h"
#include "link/dialogs/ProgramDialog.h"
#include "notices/AccessibleNames.h"
#include "notices/Notices.h"
#include "password/PasswordEdit.h"
#include "password/PasswordTexts.h"

TNewPasswordDlg::TNewPasswordDlg(const TransferContext& link, QWidget* owner)
    : QDialog(owner), sInput(MakeCaption("sInput", TextEntry::NewPassword, this)),
      sSureInput(MakeCaption("sSureInput", TextEntry::NewPasswordSure, this)), eInput(MakePasswordEdit("eInput", this)),
      eSureInput(MakePasswordEdit("eSureInput", this)),
      OKBtn(MakeCaptionedButton("OKBtn", TextEntry::WriteData, this)),
      CancelBtn(MakeCaptionedButton("CancelBtn", TextEntry::Cancel, this)), link_(link)
{
    setWindowTitle(Tr(TextEntry::NewPassword));
    OKBtn->setDefault(true);
    sInput->setBuddy(eInput);
    sSureInput->setBuddy(eSureInput);
    NameControlsWhenShown(this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(sInput, 0, 0, 1, 2);
    layout->addWidget(eInput, 1, 0, 1, 2);
    layout->addWidget(sSureInput, 2, 0, 1, 2);
    layout->addWidget(eSureInput, 3, 0, 1, 2);
    layout->addWidget(OKBtn, 4, 0);
    layout->addWidget(CancelBtn, 4, 1);

    connect(OKBtn, &QPushButton::clicked, this, &TNewPasswordDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TNewPasswordDlg::OKBtnClick()
{
    if (eInput->text() == eSureInput->text())
        SetPasswordInRadio();
    else
        WarnMismatch();
    accept();
}

void TNewPasswordDlg::SetPasswordInRadio()
{
    StorePassword(link_.Settings.NewPassword, eInput->text());
    TransferContext context = link_;
    context.Kind = TransferKind::PasswordSetting;
    context.IsRead = false;
    TProgramDialog dialog(context, this);
    dialog.exec();
}

void TNewPasswordDlg::WarnMismatch()
{
    ShowNotice(this, Tr(TextEntry::PasswordNotMatch));
}
