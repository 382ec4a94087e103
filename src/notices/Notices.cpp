#include "notices/Notices.h"

#include <QLabel>
#include <QPushButton>

#include "notices/WarnDialogs.h"

void ShowNotice(QWidget* parent, const QString& text)
{
    TUserWarnDlg notice(parent);
    notice.WarnDlgText->setText(text);
    notice.exec();
}

bool Confirm(QWidget* parent, const QString& text, const QString& ok, const QString& cancel)
{
    TMyWarnDlg_2 confirmation(parent);
    confirmation.Label1->setText(text);
    confirmation.OKBtn->setText(ok);
    confirmation.CancelBtn->setText(cancel);
    return confirmation.exec() == QDialog::Accepted;
}
