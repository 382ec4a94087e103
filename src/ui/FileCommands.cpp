#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "dialogs/WarnDialogs.h"
#include "files/ChannelDataFile.h"
#include "lang/TextTable.h"
#include "ui/ChannelInfoPage.h"
#include "ui/MainWindow.h"

// The commands on the record as a whole and on channel data files, and the question on closing.

namespace {

enum Entry {
    OpenTitleEntry = 150,
    SaveTitleEntry = 151,
    OkEntry = 153,
    CancelEntry = 154,
    ClearAllDataEntry = 155,
    SaveBeforeClosingEntry = 197,
    YesEntry = 198,
    NoEntry = 199,
};

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}

bool TForm1::ConfirmClearAllData()
{
    TMyWarnDlg_2 dialog(this);
    dialog.OKBtn->setText(Tr(OkEntry));
    dialog.CancelBtn->setText(Tr(CancelEntry));
    dialog.Label1->setText(Tr(ClearAllDataEntry));
    return dialog.exec() == QDialog::Accepted;
}

void TForm1::ShowNotice(const QString& text)
{
    TUserWarnDlg dialog(this);
    dialog.WarnDlgText->setText(text);
    dialog.exec();
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
}

void TForm1::MenuFile_OpenClick()
{
    CommitChannelEdit();
    const QString path = chooser_.ChooseOpenPath(this, Tr(OpenTitleEntry));
    if (!path.isEmpty())
        OpenDataFile(path);
}

FileResult TForm1::LoadDataFile(const QString& path)
{
    const FileResult opened = OpenChannelFile(LocalPath(path), record_);
    if (opened.ok) {
        dataFilePath_ = path;
        FullRefresh();
    }
    return opened;
}

bool TForm1::OpenDataFile(const QString& path)
{
    const FileResult opened = LoadDataFile(path);
    if (!opened.ok)
        ShowNotice(QString::fromStdString(opened.message));
    return opened.ok;
}

TForm1::SaveOutcome TForm1::MenuFile_SaveClick()
{
    CommitChannelEdit();
    const QString path = chooser_.ChooseSavePath(this, Tr(SaveTitleEntry));
    if (path.isEmpty())
        return SaveOutcome::Cancelled;
    const FileResult saved = SaveChannelFile(LocalPath(path), record_);
    if (!saved.ok) {
        ShowNotice(QString::fromStdString(saved.message));
        return SaveOutcome::Failed;
    }
    dataFilePath_ = path;
    return SaveOutcome::Saved;
}

// Yes saves and closes, also when the save dialog is cancelled; a save that failed keeps the
// window open, so the data are not lost. No closes; Cancel stays.
void TForm1::closeEvent(QCloseEvent* event)
{
    // Once the question is up the window is not active, and moving the focus then commits nothing.
    CommitPendingEdit();
    TMyWarnDlg_3 question(this);
    question.OKBtn->setText(Tr(YesEntry));
    question.NoBtn->setText(Tr(NoEntry));
    question.CancelBtn->setText(Tr(CancelEntry));
    question.Label1->setText(Tr(SaveBeforeClosingEntry));
    const int answer = question.exec();

    const bool closes = answer == TMyWarnDlg_3::ModalResultNo ||
                        (answer == QDialog::Accepted && MenuFile_SaveClick() != SaveOutcome::Failed);
    if (closes)
        event->accept();
    else
        event->ignore();
}
