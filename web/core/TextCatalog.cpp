#include <emscripten/bind.h>

#include <string>

#include "PageLanguage.h"
#include "lang/Messages.h"
#include "lang/TextLookup.h"
#include "lang/Utf8Text.h"

// The program's text tables one text at a time, UTF-8 in the language asked for, for the page's
// catalogs (tools/web-texts.mjs writes them at build time): the main table by entry number, the
// message table's patterns (placeholders kept) by message number, and the small tables of single
// dialogs.

using emscripten::val;

namespace {

constexpr int ProgramDialogEntries = 7;
constexpr int PortDialogEntries = 3;
constexpr int AdjustmentDialogEntries = 25;

std::string MainText(int entry, int language)
{
    const TTeskFuncs::TLangType spoken = PageLanguage(language);
    return TextUtf8(LangText(entry, spoken), spoken);
}

std::string MessageText(int number, int language)
{
    if (number < 0 || size_t(number) >= MessageCount)
        return "";
    const TTeskFuncs::TLangType spoken = PageLanguage(language);
    return TextUtf8(MessagePattern(MessageId(number), spoken), spoken);
}

// The dialog tables look up in the current language, which PageLanguage sets.
template <typename Lookup>
val TableTexts(Lookup lookup, int count, TTeskFuncs::TLangType spoken)
{
    val texts = val::array();
    for (int entry = 0; entry < count; ++entry)
        texts.call<void>("push", TextUtf8(lookup(entry), spoken));
    return texts;
}

// program (the transfer dialog), port, adjustment and notice (its OK), each by entry number.
val DialogTexts(int language)
{
    const TTeskFuncs::TLangType spoken = PageLanguage(language);
    val tables = val::object();
    tables.set("program", TableTexts(ProgramDialogText, ProgramDialogEntries, spoken));
    tables.set("port", TableTexts(PortDialogText, PortDialogEntries, spoken));
    tables.set("adjustment", TableTexts(AdjustmentDialogText, AdjustmentDialogEntries, spoken));
    tables.set("notice", TableTexts([](int) { return NoticeOkText(); }, 1, spoken));
    return tables;
}

int MainTextCount() { return MainTextEntryCount; }
int MessageTextCount() { return int(MessageCount); }

}

EMSCRIPTEN_BINDINGS(kr_t27_texts)
{
    using emscripten::function;
    function("mainText", &MainText);
    function("mainTextCount", &MainTextCount);
    function("messageText", &MessageText);
    function("messageCount", &MessageTextCount);
    function("dialogTexts", &DialogTexts);
}
