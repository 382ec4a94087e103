#include "ui/FileChooser.h"

#include <QFileDialog>

namespace {

const char* const ChannelFileFilter = "Korvane File(*.Kqd)";
const char* const ChannelFileSuffix = "Kqd";

QString RunFileDialog(QWidget* owner, const QString& title, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(owner, title, QString(), QString::fromLatin1(ChannelFileFilter));
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) {
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setDefaultSuffix(QString::fromLatin1(ChannelFileSuffix));
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
    };
}
