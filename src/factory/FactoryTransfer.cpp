#include "factory/FactoryTransfer.h"

#include "calibration/FactoryBackup.h"
#include "lang/DisplayMessage.h"
#include "lang/FileMessage.h"
#include "lang/TextTable.h"
#include "link/dialogs/ProgramDialog.h"

namespace {

TProgramDialog::KeptBeforeWrite KeepFactoryData(const TransferContext& calibrationRead)
{
    const BackupResult kept = BackUpFactoryData(calibrationRead);
    if (!kept.result.ok)
        return {false, DisplayMessage(FileMessage(kept.result))};
    return {true, DisplayMessage({MessageId::CalibrationBackedUp, {kept.recordPath}})};
}

}

void RunFactoryTransfer(const TransferContext& context, bool backUpFirst, QWidget* owner,
                        std::function<void()> onSuccess)
{
    TProgramDialog dialog(context, owner);
    dialog.setWindowTitle(Tr(context.IsRead ? TextEntry::ReadFromRadio : TextEntry::WriteToRadio));
    if (backUpFirst && !context.IsRead)
        dialog.SetReadFirst({TransferKind::Adjustment, DisplayMessage({MessageId::BackingUpCalibration}),
                             DisplayMessage({MessageId::NotWrittenWithoutBackup}), KeepFactoryData});
    if (onSuccess)
        QObject::connect(&dialog, &TProgramDialog::transferSucceeded, &dialog, std::move(onSuccess));
    dialog.exec();
}
