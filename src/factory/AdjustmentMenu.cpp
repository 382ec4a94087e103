#include "factory/AdjustmentMenu.h"

#include "factory/AccessCodeDlg.h"
#include "factory/AdjustmentBlock.h"

void RunAdjustmentMenu(QWidget* owner, const TransferContext& link, std::function<void()> writeChannelData)
{
    TransferContext factoryLink = link;
    if (!factoryLink.Buffer)
        factoryLink.Buffer = &AdjustmentTransferBuffer();
    TPasswordDlg dialog(factoryLink, std::move(writeChannelData), owner);
    dialog.exec();
}
