#include "dialogs/password/PasswordMenu.h"

#include "dialogs/password/SetPasswordDlg.h"
#include "lang/TextTable.h"

void RunPasswordMenu(QWidget* owner, const TransferContext& link)
{
    TSetPasswordDlg dialog(link, owner);
    dialog.setWindowTitle(Tr(TextEntry::Password));
    dialog.exec();
}
