#include "ui/ChannelFileDialog.h"

namespace {

const char* const ChannelFileFilter = "Korvane File(*.Kqd)";
const char* const ChannelFileSuffix = "Kqd";

}

std::unique_ptr<QFileDialog> ChannelFileDialog(QWidget* owner, const QString& title, QFileDialog::AcceptMode mode)
{
    auto dialog = std::make_unique<QFileDialog>(owner, title, QString(), QString::fromLatin1(ChannelFileFilter));
    dialog->setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) {
        dialog->setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog->setDefaultSuffix(QString::fromLatin1(ChannelFileSuffix));
        dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    }
    return dialog;
}
