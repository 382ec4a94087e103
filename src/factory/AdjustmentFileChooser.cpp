#include "factory/AdjustmentFileChooser.h"

#include <QFileDialog>

#include "calibration/AdjustmentFile.h"

namespace {

const QString AdjustmentFileFilter = QStringLiteral("Korvane File(*.Kqda)");

QString AskWithDialog(QWidget* parent, const QString& title, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, title, QString(), AdjustmentFileFilter);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) {
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QString::fromLatin1(AdjustmentFileSuffix));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

}

AdjustmentFileChooser SystemAdjustmentFileChooser()
{
    return {
        [](QWidget* parent, const QString& title) { return AskWithDialog(parent, title, QFileDialog::AcceptOpen); },
        [](QWidget* parent, const QString& title) { return AskWithDialog(parent, title, QFileDialog::AcceptSave); },
    };
}
