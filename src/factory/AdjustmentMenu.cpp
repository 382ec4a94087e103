#include "factory/AdjustmentMenu.h"

#include "factory/AccessCodeDlg.h"

void RunAdjustmentMenu(QWidget* owner, const TransferContext& link, std::function<void()> writeChannelData)
{
    TPasswordDlg dialog(link, std::move(writeChannelData), owner);
    dialog.exec();
}
