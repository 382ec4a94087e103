#include <QFile>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTableWidget>

#include "files/AtomicFile.h"
#include "files/ChannelCsv.h"
#include "files/TextFile.h"
#include "lang/AppLang.h"
#include "lang/CsvReportText.h"
#include "lang/DisplayMessage.h"
#include "lang/FileMessage.h"
#include "lang/TextTable.h"
#include "notices/Notices.h"
#include "sheet/SheetDocument.h"
#include "ui/ChannelInfoPage.h"
#include "ui/ImportReportDialog.h"
#include "ui/MainWindow.h"

// The channel table exchange with other programming tools, and the channel sheet.

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}

unsigned TForm1::SelectedChannel() const
{
    const auto* grid = TabSheet_ChInfo->findChild<QTableWidget*>("StringGrid1");
    const int row = grid ? grid->currentRow() : 0;
    return row >= 1 ? unsigned(row) : 1;
}

SheetContent TForm1::CurrentSheet() const
{
    return GatherSheetContent(record_, {QFileInfo(dataFilePath_).fileName().toStdString(), LocalNow(), band_},
                              AppLang().LangType());
}

// Rows fill the channels from the grid's current row down; the whole import is one change of the
// record, after which the report tells what was left out or changed.
void TForm1::MenuFile_ImportCsvClick()
{
    CommitChannelEdit();
    const unsigned first = SelectedChannel();
    const QString path = chooser_.ChooseExchangePath(this, DisplayMessage({MessageId::ImportCsv}), ExchangeFile::CsvToImport);
    if (path.isEmpty())
        return;
    std::string text;
    if (const FileResult read = ReadTextFile(LocalPath(path), text); !read.ok) {
        ShowNotice(this, DisplayMessage(FileMessage(read)));
        return;
    }
    ChannelCsvImportOptions options;
    options.band = band_;
    options.firstChannel = first;
    const ChannelCsvImport outcome = ImportChannelCsv(text, options, record_);
    if (outcome.refused) {
        ShowNotice(this, DisplayMessage({MessageId::CsvNoFrequencyColumn}));
        return;
    }
    FullRefresh();
    history_->EndStep();
    ImportReportDialog report(outcome, this);
    const std::string band = BandCaption(config_, band_).toStdString();
    report.AddSummaryLines(DisplayTexts(CsvImportBandLines(outcome, band, AppLang().LangType())));
    report.exec();
}

void TForm1::MenuFile_ExportCsvClick()
{
    CommitChannelEdit();
    const QString path = chooser_.ChooseExchangePath(this, DisplayMessage({MessageId::ExportCsv}), ExchangeFile::CsvToExport);
    if (path.isEmpty())
        return;
    const ChannelCsvExport exported = ExportChannelCsv(record_);
    const std::string& text = exported.text;
    const FileResult saved = WriteFileAtomically(LocalPath(path), reinterpret_cast<const uint8_t*>(text.data()), text.size());
    if (!saved.ok) {
        ShowNotice(this, DisplayMessage(FileMessage(saved)));
        return;
    }
    QStringList lines;
    for (const CsvNameNote& note : exported.notes)
        lines << DisplayMessage(CsvNameNoteMessage(note));
    if (!lines.isEmpty())
        ShowNotice(this, lines.join('\n'));
}

void TForm1::MenuFile_PrintSheetClick()
{
    CommitChannelEdit();
    const SheetContent sheet = CurrentSheet();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QString::fromStdString(sheet.title));
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName("PrintPreviewDlg");
    preview.setWindowTitle(DisplayMessage({MessageId::PrintSheet}));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&sheet](QPrinter* target) { PaintChannelSheet(sheet, *target); });
    preview.exec();
}

void TForm1::MenuFile_ExportSheetPdfClick()
{
    CommitChannelEdit();
    const QString path =
        chooser_.ChooseExchangePath(this, DisplayMessage({MessageId::ExportSheetPdf}), ExchangeFile::SheetPdf);
    if (path.isEmpty())
        return;
    const FileResult saved = WriteChannelSheetPdf(LocalPath(path), CurrentSheet());
    if (!saved.ok)
        ShowNotice(this, DisplayMessage(FileMessage(saved)));
}
