#include <utility>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>

#include "bundle/LastTransferTrace.h"
#include "calibration/AdjustmentBlock.h"
#include "factory/AdjustmentMenu.h"
#include "lang/DisplayMessage.h"
#include "lang/FileMessage.h"
#include "lang/TextTable.h"
#include "link/dialogs/PortDialog.h"
#include "link/dialogs/ProgramDialog.h"
#include "model/RecordCheck.h"
#include "notices/Notices.h"
#include "notices/RecordCheckDlg.h"
#include "notices/WarnDialogs.h"
#include "password/PasswordMenu.h"
#include "ui/MainWindow.h"
#include "ui/SeriesWriteDialog.h"

// The commands that talk to the radio or choose how to reach it.

// The calibration and serial-number transfers move the window's transfer buffer. Every transfer,
// from whichever dialog, leaves its trace as the last transfer's.
TransferContext TForm1::LinkContext(TransferKind kind, bool isRead)
{
    TransferContext context{kind, isRead, record_, band_, link_, image_, transferBuffer_};
    context.KeepTrace = [this](const TransferTrace& trace) { KeepTrace(trace); };
    return context;
}

// A read, whatever it brought, is one step of the history, and no file holds what it brought. A
// write changed the radio, not the record, so it is no step; what its handshake and packing left
// in the record is taken as is. A write first lists what the radio could not take and goes on
// only when the user says so. A read is backed up once it is in the record, a write once the
// radio has answered, so that the backup lands in the folder of the radio written; a write's
// failed backup is reported once the blocks have stopped moving.
void TForm1::RunChannelTransfer(bool isRead)
{
    const QPointer<QWidget> focus = QApplication::focusWidget();
    CommitPendingEdit();
    if (!isRead && !ConfirmWriteDespite(this, CheckRecord(record_, band_)))
        return;
    history_->Pause(true);
    TProgramDialog dialog(LinkContext(TransferKind::Normal, isRead), this);
    connect(&dialog, &TProgramDialog::transferSucceeded, this, &TForm1::FullRefresh);
    if (isRead)
        connect(&dialog, &TProgramDialog::transferSucceeded, this, [this] {
            ReportBackup(BackUpRead());
            TakeAsReadFromRadio();
        });
    dialog.SetWriteBackup(config_.Backups);
    dialog.setWindowTitle(Tr(isRead ? TextEntry::ReadFromRadio : TextEntry::WriteToRadio));
    dialog.SetVerifyAfterWrite(config_.VerifyAfterWrite);
    dialog.exec();
    ReportBackup(dialog.WriteBackup().result);
    if (!isRead)
        config_.VerifyAfterWrite = dialog.VerifyAfterWrite();
    history_->Pause(false);
    if (isRead)
        history_->EndStep();
    else
        history_->TakeWithoutStep();
    ReturnFocus(focus);
}

// After a command that moved the focus to bHide, the keyboard goes back where it was, unless the
// redraw closed that widget (an open editor).
void TForm1::ReturnFocus(QWidget* focus)
{
    if (focus && focus->isVisible() && focus->window() == this)
        focus->setFocus();
}

// A dialog closed before Start leaves the last transfer's log as it was. The trace kept for a
// support bundle is no reason to interrupt anyone: when it cannot be written, the status bar
// says so.
void TForm1::KeepTrace(const TransferTrace& trace)
{
    if (trace.Empty())
        return;
    lastTrace_ = trace;
    menu_.MenuSaveTransferLog->setEnabled(true);
    const FileResult kept = KeepLastTransferTrace(trace);
    if (!kept.ok)
        StatusBar1->showMessage(
            DisplayMessage({MessageId::LastTraceNotKept, {DisplayMessage(FileMessage(kept)).toStdString()}}));
}

FileResult TForm1::BackUpRead()
{
    if (!config_.Backups)
        return FileResult::Success();
    return BackUpTransfer(record_, image_, BackupDirection::Read).result;
}

void TForm1::ReportBackup(const FileResult& kept)
{
    if (!kept.ok)
        ShowNotice(this, DisplayMessage({MessageId::BackupFailed,
                                         {DisplayMessage(FileMessage(kept)).toLocal8Bit().toStdString()}}));
}

void TForm1::MenuEdit_ReadClick() { RunChannelTransfer(true); }

void TForm1::MenuEdit_WriteClick() { RunChannelTransfer(false); }

// Like a single write: the radios change, the record does not, so the series is no step.
// Each radio's IDs go into the series' own copy of the record, and each radio's backup into its
// own folder.
void TForm1::MenuEdit_WriteSeveralClick()
{
    const QPointer<QWidget> focus = QApplication::focusWidget();
    CommitPendingEdit();
    if (!ConfirmWriteDespite(this, CheckRecord(record_, band_)))
        return;
    const std::optional<std::string> file = SeriesRecordFile();
    if (!file)
        return;
    history_->Pause(true);
    SeriesWriteDialog dialog({record_, band_, link_, *file, config_.Backups}, chooser_.ChooseExchangePath, this);
    FileResult firstFailedBackup;
    connect(&dialog, &SeriesWriteDialog::radioFinished, this, [&firstFailedBackup](const RadioAttempt& attempt) {
        if (firstFailedBackup.ok)
            firstFailedBackup = attempt.Backup.result;
    });
    dialog.SetVerifyAfterWrite(config_.VerifyAfterWrite);
    dialog.exec();
    ReportBackup(firstFailedBackup);
    KeepTrace(dialog.Trace());
    config_.VerifyAfterWrite = dialog.VerifyAfterWrite();
    history_->Pause(false);
    history_->TakeWithoutStep();
    ReturnFocus(focus);
}

// The log must never name a file that holds something else than what the radios got: changes not
// saved are saved first, or the log says no file holds the record. The log names the file in full.
std::optional<std::string> TForm1::SeriesRecordFile()
{
    if (history_->IsModified()) {
        TMyWarnDlg_3 question(this);
        question.OKBtn->setText(Tr(TextEntry::Save));
        question.NoBtn->setText(DisplayMessage({MessageId::WriteWithoutSaving}));
        question.CancelBtn->setText(Tr(TextEntry::Cancel));
        question.Label1->setText(DisplayMessage({MessageId::SaveBeforeSeries}));
        const int answer = question.exec();
        if (answer == TMyWarnDlg_3::ModalResultNo)
            return std::string();
        if (answer != QDialog::Accepted || MenuFile_SaveClick() != SaveOutcome::Saved)
            return std::nullopt;
    }
    if (dataFilePath_.isEmpty())
        return std::string();
    return QFile::encodeName(QFileInfo(dataFilePath_).absoluteFilePath()).toStdString();
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
