#include "lang/TextTable.h"

#include "lang/AppLang.h"
#include "lang/Utf8Text.h"

QString DisplayText(const std::string& text) { return QString::fromUtf8(TextUtf8(text, AppLang().LangType())); }

QStringList DisplayTexts(const std::vector<std::string>& utf8)
{
    QStringList texts;
    for (const std::string& text : utf8)
        texts << QString::fromStdString(text);
    return texts;
}
