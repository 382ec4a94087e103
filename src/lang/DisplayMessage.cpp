#include "lang/DisplayMessage.h"

#include "lang/AppLang.h"
#include "lang/Utf8Text.h"

QString DisplayMessage(const Message& message)
{
    return QString::fromUtf8(MessageUtf8(message, AppLang().LangType()));
}
