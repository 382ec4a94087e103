#include <emscripten/bind.h>

#include "PageLanguage.h"
#include "lang/Utf8Text.h"

// The words of the browser edition's own life outside the editor: kept for use without a network,
// a new build waiting, and a browser that gives pages no serial port.

namespace {

struct OfflineText {
    const char* name;
    MessageId id;
};

constexpr OfflineText OfflineTexts[] = {
    {"OfflineReady", MessageId::OfflineReady},
    {"UpdateReady", MessageId::UpdateReady},
    {"UpdateNow", MessageId::UpdateNow},
    {"UpdateLater", MessageId::UpdateLater},
    {"UpdateAfterTransfer", MessageId::UpdateAfterTransfer},
    {"NoSerialInBrowser", MessageId::NoSerialInBrowser},
};

std::string OfflineTextNamed(const std::string& name, int language)
{
    const TTeskFuncs::TLangType spoken = PageLanguage(language);
    for (const OfflineText& text : OfflineTexts) {
        if (name == text.name)
            return MessageUtf8(Message(text.id), spoken);
    }
    return "";
}

}

EMSCRIPTEN_BINDINGS(kr_t27_offline)
{
    emscripten::function("offlineText", &OfflineTextNamed);
}
