#include "ui/FileChooser.h"

#include <QFileDialog>

namespace {

struct FileType {
    const char* filter;
    const char* suffix;
};

constexpr FileType ChannelFile{"Korvane File(*.Kqd)", "Kqd"};
constexpr FileType CsvFile{"CSV (*.csv)", "csv"};
constexpr FileType PdfFile{"PDF (*.pdf)", "pdf"};

QString RunFileDialog(QWidget* owner, const QString& title, QFileDialog::AcceptMode mode, const FileType& type = ChannelFile)
{
    QFileDialog dialog(owner, title, QString(), QString::fromLatin1(type.filter));
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) {
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setDefaultSuffix(QString::fromLatin1(type.suffix));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

}

FileChooser SystemFileChooser()
{
    return {
        [](QWidget* owner, const QString& title) { return RunFileDialog(owner, title, QFileDialog::AcceptOpen); },
        [](QWidget* owner, const QString& title) { return RunFileDialog(owner, title, QFileDialog::AcceptSave); },
        [](QWidget* owner, const QString& title, ExchangeFile file) {
            if (file == ExchangeFile::CsvToImport)
                return RunFileDialog(owner, title, QFileDialog::AcceptOpen, CsvFile);
            return RunFileDialog(owner, title, QFileDialog::AcceptSave, file == ExchangeFile::SheetPdf ? PdfFile : CsvFile);
        },
    };
}
