#include "ui/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

using namespace TTeskFuncs;

namespace {

// Traditional Chinese follows Taiwan's usage, as the program's own conversion does.
const char* CatalogueOf(TLangType language)
{
    switch (language) {
    case LangSimplifiedChinese:
        return "qtbase_zh_CN";
    case LangTraditionalChinese:
        return "qtbase_zh_TW";
    case LangEnglish:
        break;
    }
    return nullptr;
}

}

void QtTranslation::Follow(TLangType language)
{
    if (followed_ == language)
        return;
    followed_ = language;
    QCoreApplication::removeTranslator(&translator_);
    const char* catalogue = CatalogueOf(language);
    if (catalogue &&
        translator_.load(QString::fromLatin1(catalogue), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator_);
}
