#pragma once

#include <string>

#include "lang/AppLang.h"

// Entries of the main text table (0..249) and the small tables of single dialogs. Each lookup
// returns 8-bit text in the current language: ASCII for English, GBK for Simplified Chinese,
// Big5 for Traditional Chinese. An entry outside a table gives an empty text.
constexpr int MainTextEntryCount = 250;

std::string LangText(int entry);
std::string LangText(int entry, TTeskFuncs::TLangType language);
std::string ProgramDialogText(int entry);     // transfer dialog, entries 0..6
std::string PortDialogText(int entry);        // port dialog: 0 OK, 1 Cancel, 2 auto-search caption
std::string AdjustmentDialogText(int entry);  // adjustment dialog, entries 0..6 and 22..24
std::string NoticeOkText();                   // OK of the one-button notice

// The adjustment dialog's entries by what they are, for the desktop's dialog and the browser's.
enum class AdjustmentTextEntry : int {
    ConfirmOkCaption = 0,
    ConfirmCancelCaption = 1,
    NewCaption = 2,
    OpenCaption = 3,
    SaveCaption = 4,
    WriteCaption = 5,
    ReadCaption = 6,
    OpenFileTitle = 22,
    SaveFileTitle = 23,
    ClearAllQuestion = 24,
};
