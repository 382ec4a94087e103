#include <ctime>

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "bundle/LocalBundleSources.h"
#include "files/AtomicFile.h"
#include "files/BackupStore.h"
#include "files/ChannelDataFile.h"
#include "lang/AppLang.h"
#include "lang/DisplayMessage.h"
#include "lang/FileMessage.h"
#include "lang/TextTable.h"
#include "notices/Notices.h"
#include "notices/RecordCheckDlg.h"
#include "notices/WarnDialogs.h"
#include "ui/ChannelInfoPage.h"
#include "ui/MainWindow.h"

// The commands on the record as a whole and on channel data files, and the question on closing.

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// A menu caption that says a dialog follows, as the dialog's own title.
QString TitleOf(MessageId caption) { return DisplayMessage({caption}).remove(QStringLiteral("...")); }

}

bool TForm1::ConfirmClearAllData()
{
    return Confirm(this, Tr(TextEntry::ClearAllData), Tr(TextEntry::Ok), Tr(TextEntry::Cancel));
}

void TForm1::CommitChannelEdit()
{
    PageControl_Home->setCurrentWidget(TabSheet_ChInfo);
    if (auto* grid = TabSheet_ChInfo->findChild<QWidget*>("StringGrid1"))
        grid->setFocus();
}

void TForm1::MenuFile_NewClick()
{
    CommitPendingEdit();
    if (!ConfirmClearAllData())
        return;
    record_.ResetToDefaults();
    dataFilePath_.clear();
    FullRefresh();
    TakeAsDataFile(QString());
}

void TForm1::MenuFile_OpenClick()
{
    CommitChannelEdit();
    const QString path = chooser_.ChooseOpenPath(this, Tr(TextEntry::Open), QString());
    if (!path.isEmpty())
        OpenDataFile(path);
}

// The folder is made if no transfer has been backed up yet, so that the dialog can start in it.
void TForm1::MenuFile_OpenBackupClick()
{
    CommitChannelEdit();
    const QString folder = QFile::decodeName(BackupRoot().c_str());
    if (!folder.isEmpty())
        QDir().mkpath(folder);
    const QString path = chooser_.ChooseOpenPath(this, Tr(TextEntry::Open), folder);
    if (!path.isEmpty())
        OpenDataFile(path);
}

void TForm1::MenuSaveTransferLogClick()
{
    const QString path =
        chooser_.ChooseExchangePath(this, TitleOf(MessageId::SaveTransferLog), ExchangeFile::TransferLog);
    if (path.isEmpty())
        return;
    // Sent in to a dealer, it keeps the radio's password out of sight, and is the user's alone.
    const std::string text = lastTrace_.Text(TraceSecrets::Masked);
    const FileResult saved = WriteFileAtomically(LocalPath(path), reinterpret_cast<const uint8_t*>(text.data()),
                                                 text.size(), NewFileAccess::OwnerOnly);
    if (!saved.ok)
        ShowNotice(this, DisplayMessage(FileMessage(saved)));
}

// Put together on this computer and sent nowhere: the notice says where it went, for the user to
// hand it on. A target that is one of the files the bundle holds is refused before anything is
// gathered.
void TForm1::MenuSaveSupportBundleClick()
{
    const QString path =
        chooser_.ChooseExchangePath(this, DisplayMessage({MessageId::SaveSupportBundle}), ExchangeFile::SupportBundle);
    if (path.isEmpty())
        return;
    const std::string target = LocalPath(path);
    const BundlePlaces places{std::string("kr-t27 ") + KR_T27_VERSION, settingsPath_, link_.Ports};
    if (const std::optional<Message> refused = WhyBundleTargetRefused(places, target)) {
        ShowNotice(this, DisplayMessage(*refused));
        return;
    }
    const FileResult saved =
        SaveSupportBundle(target, LocalBundleSources(places, std::time(nullptr)), AppLang().LangType());
    ShowNotice(this, saved.ok ? DisplayMessage({MessageId::SupportBundleSaved, {path.toStdString()}})
                              : DisplayMessage(FileMessage(saved)));
}

FileResult TForm1::LoadDataFile(const QString& path)
{
    const FileResult opened = OpenChannelFile(LocalPath(path), record_);
    if (opened.ok) {
        FullRefresh();
        TakeAsDataFile(path);
    }
    return opened;
}

// A file the radio could not take as it stands still opens; the list says what to mend, in the
// band the user chose for it.
bool TForm1::OpenDataFile(const QString& path)
{
    const FileResult opened = LoadDataFile(path);
    if (!opened.ok) {
        ShowNotice(this, DisplayMessage(FileMessage(opened)));
        return false;
    }
    OfferBandOfChannels();
    ShowFileFindings(this, CheckChannelFile(LocalPath(path), record_, band_));
    return true;
}

TForm1::SaveOutcome TForm1::MenuFile_SaveClick()
{
    CommitChannelEdit();
    const QString path = chooser_.ChooseSavePath(this, Tr(TextEntry::Save), dataFilePath_);
    if (path.isEmpty())
        return SaveOutcome::Cancelled;
    const FileResult saved = SaveChannelFile(LocalPath(path), record_);
    if (!saved.ok) {
        ShowNotice(this, DisplayMessage(FileMessage(saved)));
        return SaveOutcome::Failed;
    }
    TakeAsDataFile(path);
    return SaveOutcome::Saved;
}

// Yes closes once the data are saved: a cancelled save dialog or a failed save keeps the window
// open, so the work is not lost. No closes; Cancel stays.
void TForm1::closeEvent(QCloseEvent* event)
{
    // Once the question is up the window is not active, and moving the focus then commits nothing.
    CommitPendingEdit();
    TMyWarnDlg_3 question(this);
    question.OKBtn->setText(Tr(TextEntry::Yes));
    question.NoBtn->setText(Tr(TextEntry::No));
    question.CancelBtn->setText(Tr(TextEntry::Cancel));
    question.Label1->setText(Tr(TextEntry::SaveDataQuestion));
    const int answer = question.exec();

    const bool closes = answer == TMyWarnDlg_3::ModalResultNo ||
                        (answer == QDialog::Accepted && MenuFile_SaveClick() == SaveOutcome::Saved);
    if (closes)
        event->accept();
    else
        event->ignore();
}
