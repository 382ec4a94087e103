#include "dialogs/password/PasswordMenu.h"
#include "factory/AdjustmentMenu.h"
#include "lang/TextTable.h"
#include "link/PortDialog.h"
#include "link/ProgramDialog.h"
#include "ui/MainWindow.h"

// The commands that talk to the radio or choose how to reach it.

namespace {

enum Entry { ReadCaptionEntry = 247, WriteCaptionEntry = 248 };

}

// The calibration and serial-number transfers bring their own buffer, so none is given here.
TransferContext TForm1::LinkContext(TransferKind kind, bool isRead)
{
    TransferContext context;
    context.Kind = kind;
    context.IsRead = isRead;
    context.Settings = &record_;
    context.Band = &band_;
    context.Link = &link_;
    context.Image = &image_;
    return context;
}

void TForm1::RunChannelTransfer(bool isRead)
{
    CommitPendingEdit();
    TransferContext context = LinkContext(TransferKind::Normal, isRead);
    context.OnSuccess = [this] { FullRefresh(); };
    TProgramDialog dialog(context, this);
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
