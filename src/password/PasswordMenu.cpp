#include "password/PasswordMenu.h"

#include "lang/TextTable.h"
#include "password/SetPasswordDlg.h"

void RunPasswordMenu(QWidget* owner, const TransferContext& link)
{
    TSetPasswordDlg dialog(link, owner);
    dialog.setWindowTitle(Tr(TextEntry::Password));
    dialog.exec();
}
