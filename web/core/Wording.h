#pragma once

#include <string>

#include "lang/LanguageSetting.h"
#include "lang/Messages.h"

// The page shows UTF-8. The tables look their texts up in the language object's current language,
// so every worded call of the binding first makes the page's language the current one.
void UseLanguage(LanguageSetting language);

// An 8-bit text looked up in the current language, as UTF-8: Big5 for Traditional Chinese, GBK
// (of which ASCII is the one-byte part) for the other two.
std::string ShownText(const std::string& looked);

// The message in the current language with its arguments, which are UTF-8, in place.
std::string ShownMessage(const Message& message);
