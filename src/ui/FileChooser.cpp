#include "ui/FileChooser.h"

#include "ui/ChannelFileDialog.h"

namespace {

QString RunFileDialog(QWidget* owner, const QString& title, QFileDialog::AcceptMode mode, const FileType& type,
                      const QString& suggested = {})
{
    const std::unique_ptr<QFileDialog> dialog = ChannelFileDialog(owner, title, mode, type);
    if (!suggested.isEmpty())
        dialog->selectFile(suggested);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().constFirst();
}

}

FileChooser SystemFileChooser()
{
    return {
        [](QWidget* owner, const QString& title) {
            return RunFileDialog(owner, title, QFileDialog::AcceptOpen, ChannelFile);
        },
        [](QWidget* owner, const QString& title, const QString& suggested) {
            return RunFileDialog(owner, title, QFileDialog::AcceptSave, ChannelFile, suggested);
        },
        [](QWidget* owner, const QString& title, ExchangeFile file) {
            if (file == ExchangeFile::CsvToImport)
                return RunFileDialog(owner, title, QFileDialog::AcceptOpen, CsvFile);
            return RunFileDialog(owner, title, QFileDialog::AcceptSave, file == ExchangeFile::SheetPdf ? PdfFile : CsvFile);
        },
    };
}
