#include "dialogs/password/PasswordMenu.h"
#include "factory/AdjustmentBlock.h"
#include "factory/AdjustmentMenu.h"
#include "lang/TextTable.h"
#include "link/PortDialog.h"
#include "link/ProgramDialog.h"
#include "ui/MainWindow.h"

// The commands that talk to the radio or choose how to reach it.

namespace {

enum Entry { ReadCaptionEntry = 247, WriteCaptionEntry = 248 };

}

// The calibration and serial-number transfers move the factory's transfer buffer.
TransferContext TForm1::LinkContext(TransferKind kind, bool isRead)
{
    return TransferContext{kind, isRead, record_, band_, link_, image_, AdjustmentTransferBuffer()};
}

void TForm1::RunChannelTransfer(bool isRead)
{
    CommitPendingEdit();
    TProgramDialog dialog(LinkContext(TransferKind::Normal, isRead), this);
    connect(&dialog, &TProgramDialog::transferSucceeded, this, &TForm1::FullRefresh);
    dialog.setWindowTitle(Tr(isRead ? ReadCaptionEntry : WriteCaptionEntry));
    dialog.exec();
}

void TForm1::MenuEdit_ReadClick() { RunChannelTransfer(true); }

void TForm1::MenuEdit_WriteClick() { RunChannelTransfer(false); }

void TForm1::MenuEdit_PasswordClick() { RunPasswordMenu(this, LinkContext(TransferKind::PasswordSetting, false)); }

void TForm1::MenuAdjustmentClick()
{
    RunAdjustmentMenu(this, LinkContext(TransferKind::Adjustment, true), [this] { MenuEdit_WriteClick(); });
}

void TForm1::MenuPortClick()
{
    TCommunicationPort dialog(link_, this);
    dialog.exec();
}
