#include "ui/ChannelFileDialog.h"

std::unique_ptr<QFileDialog> ChannelFileDialog(QWidget* owner, const QString& title, QFileDialog::AcceptMode mode,
                                               const FileType& type)
{
    auto dialog = std::make_unique<QFileDialog>(owner, title, QString(), QString::fromLatin1(type.filter));
    dialog->setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) {
        dialog->setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog->setDefaultSuffix(QString::fromLatin1(type.suffix));
        dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    }
    return dialog;
}
