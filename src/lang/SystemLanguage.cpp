#include "lang/SystemLanguage.h"

#include "lang/AppLang.h"

#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace TTeskFuncs {

namespace {

struct LocaleLanguage {
    std::string_view Language;
    std::string_view Territory;  // empty: any territory
    uint16_t LangId;
};

// Chinese is told apart by territory; other languages need only their primary identifier.
constexpr LocaleLanguage KnownLocales[] = {
    {"zh", "CN", LangIdChinesePrc},
    {"zh", "SG", LangIdChineseSingapore},
    {"zh", "TW", LangIdChineseTaiwan},
    {"zh", "HK", LangIdChineseHongKong},
    {"zh", "MO", LangIdChineseMacau},
    {"zh", "", LangIdChineseOther},
    {"en", "", LangIdEnglishUs},
    {"de", "", 0x0407},
    {"fr", "", 0x040C},
    {"es", "", 0x0C0A},
    {"it", "", 0x0410},
    {"ja", "", 0x0411},
    {"ko", "", 0x0412},
    {"nl", "", 0x0413},
    {"pt", "", 0x0416},
    {"ru", "", 0x0419},
};

// "ll_TT.codeset@modifier": the language before the first "_", "." or "@", the territory after "_".
void SplitLocale(std::string_view locale, std::string_view& language, std::string_view& territory)
{
    const size_t languageEnd = locale.find_first_of("_.@");
    language = locale.substr(0, languageEnd);
    territory = {};
    if (languageEnd != std::string_view::npos && locale[languageEnd] == '_') {
        const std::string_view rest = locale.substr(languageEnd + 1);
        territory = rest.substr(0, rest.find_first_of(".@"));
    }
}

#ifndef _WIN32
std::string_view FirstLocaleVariable()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return value;
    }
    return {};
}
#endif

}

uint16_t LanguageIdOfLocale(std::string_view locale)
{
    std::string_view language, territory;
    SplitLocale(locale, language, territory);
    if (language.empty() || language == "C" || language == "POSIX")
        return LangIdEnglishUs;
    for (const LocaleLanguage& known : KnownLocales) {
        if (known.Language == language && (known.Territory.empty() || known.Territory == territory))
            return known.LangId;
    }
    return LangIdNeutral;
}

uint16_t SystemLanguageId()
{
#ifdef _WIN32
    return GetUserDefaultUILanguage();
#else
    return LanguageIdOfLocale(FirstLocaleVariable());
#endif
}

}
