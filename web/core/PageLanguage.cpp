#include "PageLanguage.h"

#include "lang/LanguageSetting.h"

TTeskFuncs::TLangType PageLanguage(int setting)
{
    ApplyLanguageSetting(LanguageSetting(setting));
    return AppLang().LangType();
}
