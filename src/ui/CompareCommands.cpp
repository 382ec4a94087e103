#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

#include "files/BackupStore.h"
#include "files/ComparedRecord.h"
#include "lang/DisplayMessage.h"
#include "lang/FileMessage.h"
#include "lang/RecordDifferenceText.h"
#include "link/dialogs/ProgramDialog.h"
#include "link/engine/TransferTargets.h"
#include "model/RecordComparison.h"
#include "notices/Notices.h"
#include "ui/CompareDialog.h"
#include "ui/MainWindow.h"

// The record compared with another file and with a radio. Neither changes the record: what the
// other holds is read into objects of its own.

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// A menu caption that says a dialog follows, as the dialog's own title.
QString TitleOf(MessageId caption) { return DisplayMessage({caption}).remove(QStringLiteral("...")); }

}

bool TForm1::ShowDifferences(const RadioSettings& mine, const RadioSettings& other, const QString& otherCaption,
                             const QString& title, bool offerWrite)
{
    CompareDialog dialog(RecordDifferenceTexts(mine, other, AppLang().LangType()), otherCaption, offerWrite, this);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

void TForm1::MenuFile_CompareWithFileClick()
{
    const QPointer<QWidget> focus = QApplication::focusWidget();
    CommitPendingEdit();
    const QString title = TitleOf(MessageId::CompareWithFile);
    const QString path = chooser_.ChooseExchangePath(this, title, ExchangeFile::RecordToCompare);
    if (!path.isEmpty()) {
        ComparedRecord other;
        if (const FileResult opened = OpenComparedFile(LocalPath(path), other); !opened.ok) {
            ShowNotice(this, DisplayMessage(FileMessage(opened)));
        } else {
            ComparedRecord mine{record_};
            MatchPasswords(mine, other);
            ShowDifferences(mine.Settings, other.Settings, QFileInfo(path).fileName(), title, false);
        }
    }
    ReturnFocus(focus);
}

// The radio is read as the read that verifies a write reads it, into objects of its own, first
// presenting the record's password; the read is backed up as any read is. The user may then
// write the record to the radio with the normal write.
void TForm1::MenuEdit_CheckRadioClick()
{
    const QPointer<QWidget> focus = QApplication::focusWidget();
    CommitPendingEdit();
    const QString title = TitleOf(MessageId::CheckRadio);
    const auto radio = TransferTargets::ForReadBack(LinkContext(TransferKind::Normal, true));
    bool read = false;
    {
        TProgramDialog dialog(radio->Context(TransferKind::Normal, true), this);
        connect(&dialog, &TProgramDialog::transferSucceeded, this, [&read] { read = true; });
        dialog.setWindowTitle(title);
        dialog.exec();
        KeepTrace(dialog.Trace());
    }
    if (read) {
        if (config_.Backups)
            ReportBackup(BackUpTransfer(radio->Settings, radio->Image, BackupDirection::Read).result);
        TakeRadioPassword(radio->Settings);
        if (ShowDifferences(record_, radio->Settings, DisplayMessage({MessageId::CompareRadio}), title, true))
            MenuEdit_WriteClick();
    }
    ReturnFocus(focus);
}
