#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMimeData>
#include <QTabWidget>

#include "files/ChannelRowsText.h"
#include "lang/DeviceInfoText.h"
#include "lang/ChannelTexts.h"
#include "lang/DisplayMessage.h"
#include "lang/TextTable.h"
#include "model/ChannelRows.h"
#include "model/ModelName.h"
#include "notices/Notices.h"
#include "ui/ChannelClipboard.h"
#include "ui/ChannelInfoPage.h"
#include "ui/ImportReportDialog.h"
#include "ui/MainWindow.h"
#include "ui/editors/EditorPages.h"

// The Edit menu's history and the commands on whole channel rows.

namespace {

ChannelNumbers Following(unsigned first, unsigned count)
{
    ChannelNumbers channels;
    for (unsigned n = first; n < first + count; ++n)
        channels.push_back(n);
    return channels;
}

bool ConfirmDroppingLastChannel(QWidget* owner)
{
    return Confirm(owner, DisplayMessage({MessageId::DropLastChannel}), Tr(TextEntry::Ok), Tr(TextEntry::Cancel));
}

}

void TForm1::BuildHistory()
{
    history_ = new RecordHistory([this] { return Snapshot(); }, [this](const RecordSnapshot& s) { Restore(s); }, this);
    for (QAction* item : {menu_.MenuEdit_Undo, menu_.MenuEdit_Redo})
        item->setEnabled(false);
    connect(history_, &RecordHistory::CanUndoChanged, menu_.MenuEdit_Undo, &QAction::setEnabled);
    connect(history_, &RecordHistory::CanRedoChanged, menu_.MenuEdit_Redo, &QAction::setEnabled);
    connect(history_, &RecordHistory::ModifiedChanged, this, &TForm1::UpdateCaption);
    // Editors store their values when they lose the focus, so every focus change may end an edit;
    // the grid's steps and cleared cells keep the focus and end where the grid says so.
    connect(qApp, &QApplication::focusChanged, history_, &RecordHistory::EndStep);
    connect(TabSheet_ChInfo->Grid, &ChannelGridEditor::CellValueChanged, history_, &RecordHistory::EndStep);
}

RecordSnapshot TForm1::Snapshot() const { return {record_, band_, config_.BandSelete}; }

void TForm1::Restore(const RecordSnapshot& snapshot)
{
    record_ = snapshot.record;
    band_ = snapshot.band;
    config_.BandSelete = snapshot.bandSelection;
    FullRefresh();
}

void TForm1::UpdateCaption()
{
    QString caption = QString::fromLatin1(ModelName);
    if (!dataFilePath_.isEmpty())
        caption += QStringLiteral(" - ") + QFileInfo(dataFilePath_).fileName();
    else if (readRadioSerial_)
        caption += QStringLiteral(" - ") + DisplayMessage({MessageId::RecordFromRadio, {*readRadioSerial_}});
    if (history_ && history_->IsModified())
        caption += QStringLiteral(" *");
    setWindowTitle(caption);
}

void TForm1::TakeAsDataFile(const QString& path)
{
    dataFilePath_ = path;
    readRadioSerial_.reset();
    if (history_) {
        history_->EndStep();
        history_->MarkSaved();
    }
    UpdateCaption();
}

void TForm1::TakeAsReadFromRadio()
{
    dataFilePath_.clear();
    readRadioSerial_ = FieldText(record_.DeviceSn, DeviceSnSize);
    history_->MarkUnsaved();
    UpdateCaption();
}

// An edit still open is stored first and is then the step undone. The focus goes back where it
// was, unless that was the editor, which the redraw closed.
void TForm1::MenuEdit_UndoClick()
{
    QWidget* focus = QApplication::focusWidget();
    CommitPendingEdit();
    history_->Undo();
    if (focus && focus->isVisible())
        focus->setFocus();
}

void TForm1::MenuEdit_RedoClick()
{
    QWidget* focus = QApplication::focusWidget();
    CommitPendingEdit();
    history_->Redo();
    if (focus && focus->isVisible())
        focus->setFocus();
}

void TForm1::ConnectRowCommands()
{
    const RowCommandItems& rows = menu_.MenuEdit_Rows;
    const auto on = [this](QAction* item, auto command) { connect(item, &QAction::triggered, this, command); };
    on(rows.Cut, [this] { CutRows(); });
    on(rows.Copy, [this] { CopyRows(); });
    on(rows.Paste, [this] { PasteRows(); });
    on(rows.Delete, [this] { DeleteRows(); });
    on(rows.InsertRow, [this] { InsertRow(); });
    on(rows.MoveUp, [this] { MoveRows(true); });
    on(rows.MoveDown, [this] { MoveRows(false); });
    TabSheet_ChInfo->Grid->OfferRowCommands(rows.All());
    connect(PageControl_Home, &QTabWidget::currentChanged, this, &TForm1::EnableRowCommands);
    EnableRowCommands();
}

// The row keys act on the grid only while it is shown: Delete on another page must not clear
// channels the user cannot see.
void TForm1::EnableRowCommands()
{
    const bool channelsShown = PageControl_Home->currentWidget() == TabSheet_ChInfo;
    for (QAction* item : menu_.MenuEdit_Rows.All())
        item->setEnabled(channelsShown);
}

void TForm1::CopyRows()
{
    CommitChannelEdit();
    const ChannelNumbers channels = TabSheet_ChInfo->Grid->SelectedChannels();
    if (channels.empty())
        return;
    QMimeData* data = ChannelRowsMimeData(CopyChannelRows(record_, channels),
                                          QString::fromStdString(ChannelRowsText(record_, channels)));
    QApplication::clipboard()->setMimeData(data);
}

void TForm1::CutRows()
{
    CopyRows();
    ClearRows();
}

// Delete acts on the rows selected whole, and otherwise on the current cell alone.
void TForm1::DeleteRows()
{
    CommitChannelEdit();
    if (TabSheet_ChInfo->Grid->RowsSelected())
        ClearRows();
    else
        TabSheet_ChInfo->Grid->ClearCurrentCell();
}

void TForm1::ClearRows()
{
    CommitChannelEdit();
    const ChannelNumbers channels = TabSheet_ChInfo->Grid->SelectedChannels();
    ClearChannelRows(record_, channels);
    FinishRowCommand(channels);
}

// The copied rows fill the channels from the first selected one down, replacing what was there;
// rows copied in another program come as text.
void TForm1::PasteRows()
{
    CommitChannelEdit();
    const ChannelNumbers channels = TabSheet_ChInfo->Grid->SelectedChannels();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (channels.empty() || !data)
        return;
    if (const auto rows = ChannelRowsFromMimeData(data)) {
        const unsigned placed = PasteChannelRows(record_, channels.front(), *rows);
        FinishRowCommand(Following(channels.front(), placed));
    } else if (!data->text().isEmpty()) {
        PasteRowsText(channels.front(), data->text());
    }
}

// Pasted text passes the rules of a file import; the report comes only when a row was left out
// or changed, since a clean paste shows itself in the grid.
void TForm1::PasteRowsText(unsigned first, const QString& text)
{
    const GridTableWords gridWords = ChannelGridTableWords();
    const ChannelCsvImport outcome = PasteChannelRowsText(text.toStdString(), band_, first, record_, &gridWords);
    if (outcome.refused) {
        ShowNotice(this, DisplayMessage({MessageId::CsvNoFrequencyColumn}));
        return;
    }
    FinishRowCommand(Following(first, outcome.imported));
    if (!outcome.notes.empty())
        ImportReportDialog(outcome, this, ChannelTableSource::Clipboard).exec();
}

void TForm1::InsertRow()
{
    CommitChannelEdit();
    const ChannelNumbers channels = TabSheet_ChInfo->Grid->SelectedChannels();
    if (channels.empty() || (InsertDropsUsedChannel(record_) && !ConfirmDroppingLastChannel(this)))
        return;
    InsertEmptyChannelRow(record_, channels.front());
    FinishRowCommand({channels.front()});
}

void TForm1::MoveRows(bool up)
{
    CommitChannelEdit();
    ChannelNumbers channels = TabSheet_ChInfo->Grid->SelectedChannels();
    const bool moved = up ? MoveChannelRowsUp(record_, channels) : MoveChannelRowsDown(record_, channels);
    if (!moved)
        return;
    for (unsigned& n : channels)
        n = up ? n - 1 : n + 1;
    FinishRowCommand(channels);
}

void TForm1::FinishRowCommand(const ChannelNumbers& selection)
{
    TabSheet_ChInfo->Grid->Refresh();
    TabSheet_ChInfo->Grid->SelectChannels(selection);
    history_->EndStep();
}
