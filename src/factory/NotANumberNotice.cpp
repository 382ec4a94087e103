#include "factory/NotANumberNotice.h"

#include <QString>

#include "lang/DisplayMessage.h"
#include "notices/Notices.h"

void ShowNotANumberNotice(QWidget* owner, const QString& refused)
{
    ShowNotice(owner, DisplayMessage({MessageId::NotANumber, {refused.toLocal8Bit().toStdString()}}));
}
