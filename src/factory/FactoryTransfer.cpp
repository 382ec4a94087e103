#include "factory/FactoryTransfer.h"

#include "lang/TextTable.h"
#include "link/dialogs/ProgramDialog.h"

void RunFactoryTransfer(const TransferContext& context, QWidget* owner, std::function<void()> onSuccess)
{
    TProgramDialog dialog(context, owner);
    dialog.setWindowTitle(Tr(context.IsRead ? TextEntry::ReadFromRadio : TextEntry::WriteToRadio));
    if (onSuccess)
        QObject::connect(&dialog, &TProgramDialog::transferSucceeded, &dialog, std::move(onSuccess));
    dialog.exec();
}
