#pragma once

#include <string>

#include "lang/AppLang.h"

// The main window's four pages, in the order of their tabs.
enum class EditorPage { Channels, Options, Dtmf, Keys };

// A page's tab caption, 8-bit in the language asked for; the DTMF page's reads alike in all three.
std::string EditorPageCaption(EditorPage page, TTeskFuncs::TLangType language);
