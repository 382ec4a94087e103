#include "factory/AdjustmentMenu.h"

#include "factory/AccessCodeDlg.h"

void RunAdjustmentMenu(QWidget* owner, const TransferContext& link, AdjustmentData& calibration,
                       bool backUpBeforeWrite, std::function<void()> writeChannelData)
{
    TPasswordDlg dialog(link, calibration, std::move(writeChannelData), owner);
    dialog.SetBackUpBeforeWrite(backUpBeforeWrite);
    dialog.exec();
}
