#include <utility>

#include <QFile>
#include <QFileInfo>

#include "dialogs/Notices.h"
#include "dialogs/RecordCheckDlg.h"
#include "dialogs/password/PasswordMenu.h"
#include "factory/AdjustmentBlock.h"
#include "factory/AdjustmentMenu.h"
#include "lang/DisplayMessage.h"
#include "lang/FileMessage.h"
#include "lang/TextTable.h"
#include "link/PortDialog.h"
#include "link/ProgramDialog.h"
#include "model/RecordCheck.h"
#include "ui/MainWindow.h"
#include "ui/SeriesWriteDialog.h"

// The commands that talk to the radio or choose how to reach it.

// The calibration and serial-number transfers move the window's transfer buffer.
TransferContext TForm1::LinkContext(TransferKind kind, bool isRead)
{
    return TransferContext{kind, isRead, record_, band_, link_, image_, transferBuffer_};
}

// A read, whatever it brought, is one step of the history. A write changed the radio, not the
// record, so it is no step; what its handshake and packing left in the record is taken as is.
// A write first lists what the radio could not take and goes on only when the user says so.
// A read is backed up once it is in the record, a write once Start is pressed.
void TForm1::RunChannelTransfer(bool isRead)
{
    CommitPendingEdit();
    if (!isRead && !ConfirmWriteDespite(this, CheckRecord(record_, band_)))
        return;
    history_->Pause(true);
    TProgramDialog dialog(LinkContext(TransferKind::Normal, isRead), this);
    connect(&dialog, &TProgramDialog::transferSucceeded, this, &TForm1::FullRefresh);
    if (isRead)
        connect(&dialog, &TProgramDialog::transferSucceeded, this, [this] { BackUp(BackupDirection::Read); });
    else
        connect(&dialog, &TProgramDialog::transferStarting, this, [this] { BackUp(BackupDirection::Write); });
    dialog.setWindowTitle(Tr(isRead ? TextEntry::ReadFromRadio : TextEntry::WriteToRadio));
    dialog.SetVerifyAfterWrite(config_.VerifyAfterWrite);
    dialog.exec();
    KeepTrace(dialog.Trace());
    if (!isRead)
        config_.VerifyAfterWrite = dialog.VerifyAfterWrite();
    history_->Pause(false);
    if (isRead)
        history_->EndStep();
    else
        history_->TakeWithoutStep();
}

// A dialog closed before Start leaves the last transfer's log as it was.
void TForm1::KeepTrace(TransferTrace trace)
{
    if (trace.Lines().empty())
        return;
    lastTrace_ = std::move(trace);
    menu_.MenuSaveTransferLog->setEnabled(true);
}

void TForm1::BackUp(BackupDirection direction)
{
    if (!config_.Backups)
        return;
    const BackupResult kept = BackUpTransfer(record_, image_, direction);
    if (!kept.result.ok)
        ShowNotice(this, DisplayMessage({MessageId::BackupFailed,
                                         {DisplayMessage(FileMessage(kept.result)).toLocal8Bit().toStdString()}}));
}

void TForm1::MenuEdit_ReadClick() { RunChannelTransfer(true); }

void TForm1::MenuEdit_WriteClick() { RunChannelTransfer(false); }

// Like a single write: the radios change, the record does not, so the series is no step.
// Each radio's IDs go into the series' own copy of the record.
void TForm1::MenuEdit_WriteSeveralClick()
{
    CommitPendingEdit();
    if (!ConfirmWriteDespite(this, CheckRecord(record_, band_)))
        return;
    history_->Pause(true);
    const auto chooseLog = [this](QWidget* owner, const QString& title) {
        return chooser_.ChooseExchangePath(owner, title, ExchangeFile::ProgrammingLog);
    };
    // The log names the file in full; a record never saved has none.
    const std::string file =
        dataFilePath_.isEmpty() ? "" : QFile::encodeName(QFileInfo(dataFilePath_).absoluteFilePath()).toStdString();
    SeriesWriteDialog dialog({record_, band_, link_, file}, chooseLog, this);
    connect(&dialog, &SeriesWriteDialog::seriesStarting, this, [this] { BackUp(BackupDirection::Write); });
    dialog.SetVerifyAfterWrite(config_.VerifyAfterWrite);
    dialog.exec();
    KeepTrace(dialog.Trace());
    config_.VerifyAfterWrite = dialog.VerifyAfterWrite();
    history_->Pause(false);
    history_->TakeWithoutStep();
}

// These transfers change the radio; what their handshakes leave in the record is no step either.
void TForm1::MenuEdit_PasswordClick()
{
    CommitPendingEdit();
    history_->Pause(true);
    RunPasswordMenu(this, LinkContext(TransferKind::PasswordSetting, false));
    history_->Pause(false);
    history_->TakeWithoutStep();
}

void TForm1::MenuAdjustmentClick()
{
    CommitPendingEdit();
    history_->Pause(true);
    RunAdjustmentMenu(this, LinkContext(TransferKind::Adjustment, true), calibration_, config_.Backups,
                      [this] { MenuEdit_WriteClick(); });
    history_->Pause(false);
    history_->TakeWithoutStep();
}

void TForm1::MenuPortClick()
{
    TCommunicationPort dialog(link_, this);
    dialog.exec();
}
