#include "ui/FileChooser.h"

#include "ui/ChannelFileDialog.h"

namespace {

QString RunFileDialog(const std::unique_ptr<QFileDialog>& dialog, const QString& suggested = {},
                      const QString& folder = {})
{
    if (!folder.isEmpty())
        dialog->setDirectory(folder);
    if (!suggested.isEmpty())
        dialog->selectFile(suggested);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().constFirst();
}

QString RunFileDialog(QWidget* owner, const QString& title, QFileDialog::AcceptMode mode, const FileType& type,
                      const QString& suggested = {}, const QString& folder = {})
{
    return RunFileDialog(ChannelFileDialog(owner, title, mode, type), suggested, folder);
}

}

FileChooser SystemFileChooser()
{
    return {
        [](QWidget* owner, const QString& title, const QString& folder) {
            return RunFileDialog(owner, title, QFileDialog::AcceptOpen, ChannelFile, {}, folder);
        },
        [](QWidget* owner, const QString& title, const QString& suggested) {
            return RunFileDialog(owner, title, QFileDialog::AcceptSave, ChannelFile, suggested);
        },
        [](QWidget* owner, const QString& title, ExchangeFile file) {
            switch (file) {
            case ExchangeFile::CsvToImport:
                return RunFileDialog(owner, title, QFileDialog::AcceptOpen, CsvFile);
            case ExchangeFile::CsvToExport:
                return RunFileDialog(owner, title, QFileDialog::AcceptSave, CsvFile);
            case ExchangeFile::SheetPdf:
                return RunFileDialog(owner, title, QFileDialog::AcceptSave, PdfFile);
            case ExchangeFile::RecordToCompare:
                return RunFileDialog(owner, title, QFileDialog::AcceptOpen, ComparedFile);
            case ExchangeFile::SupportBundle:
                return RunFileDialog(owner, title, QFileDialog::AcceptSave, ZipFile);
            case ExchangeFile::TransferLog:
                break;
            case ExchangeFile::ProgrammingLog: {
                // An existing log is added to, so choosing it asks nothing.
                const auto dialog = ChannelFileDialog(owner, title, QFileDialog::AcceptSave, CsvFile);
                dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
                return RunFileDialog(dialog);
            }
            }
            return RunFileDialog(owner, title, QFileDialog::AcceptSave, LogFile);
        },
    };
}
