#include "factory/NotANumberNotice.h"

#include <QString>

#include "dialogs/Notices.h"
#include "lang/DisplayMessage.h"

void ShowNotANumberNotice(QWidget* owner, const QString& refused)
{
    ShowNotice(owner, DisplayMessage({MessageId::NotANumber, {refused.toLocal8Bit().toStdString()}}));
}
