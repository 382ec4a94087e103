#pragma once

#include <optional>

#include <QTranslator>

#include "lang/AppLang.h"

// Qt's own texts (the file and print dialogs, standard buttons, the edit boxes' context menu) in
// the program's language, from the translations installed with Qt. English needs none. The
// translation is the application's while this object lives.
class QtTranslation {
public:
    // Replaces the installed translation with the one of `language`. Without Qt's translations
    // on the machine its texts stay in English.
    void Follow(TTeskFuncs::TLangType language);

private:
    QTranslator translator_;
    std::optional<TTeskFuncs::TLangType> followed_;
};
