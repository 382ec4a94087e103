#pragma once

#include "lang/AppLang.h"

// The page names its language as the settings file does: 0 English, 1 Simplified Chinese,
// 2 Traditional Chinese; any other number follows the browser's, which the module has as its
// locale. Makes it the language of the tables' lookups too, since the dialog tables look their
// texts up in the current language, and returns it for the texts that take a language.
TTeskFuncs::TLangType PageLanguage(int setting);
