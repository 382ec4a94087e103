#include "ui/FileChooser.h"

#include "ui/ChannelFileDialog.h"

namespace {

QString RunFileDialog(QWidget* owner, const QString& title, QFileDialog::AcceptMode mode, const QString& suggested = {})
{
    const std::unique_ptr<QFileDialog> dialog = ChannelFileDialog(owner, title, mode);
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
        [](QWidget* owner, const QString& title) { return RunFileDialog(owner, title, QFileDialog::AcceptOpen); },
        [](QWidget* owner, const QString& title, const QString& suggested) {
            return RunFileDialog(owner, title, QFileDialog::AcceptSave, suggested);
        },
    };
}
