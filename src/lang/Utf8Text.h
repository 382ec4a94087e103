#pragma once

#include <string>

#include "lang/AppLang.h"
#include "lang/Messages.h"
#include "lang/TextEntries.h"

// The texts the program shows, as UTF-8 in the language asked for: what every front end puts on
// screen, on paper or into a page.

// An 8-bit text looked up in `language`: Big5 for Traditional Chinese, GBK (of which ASCII is the
// one-byte part) for the other two, so the English texts' full-width punctuation shows as in Chinese.
std::string TextUtf8(const std::string& text, TTeskFuncs::TLangType language);

std::string EntryUtf8(TextEntry entry, TTeskFuncs::TLangType language);

// The message with its arguments in place; argument texts are taken as UTF-8.
std::string MessageUtf8(const Message& message, TTeskFuncs::TLangType language);
