#include "factory/FactoryTransfer.h"

#include "lang/TextTable.h"
#include "link/ProgramDialog.h"

namespace {

constexpr int ReadFromRadioCaption = 247;
constexpr int WriteToRadioCaption = 248;

}

void RunFactoryTransfer(const TransferContext& context, QWidget* owner, std::function<void()> onSuccess)
{
    TProgramDialog dialog(context, owner);
    dialog.setWindowTitle(Tr(context.IsRead ? ReadFromRadioCaption : WriteToRadioCaption));
    if (onSuccess)
        QObject::connect(&dialog, &TProgramDialog::transferSucceeded, &dialog, std::move(onSuccess));
    dialog.exec();
}
