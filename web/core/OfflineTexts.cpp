#include <emscripten/bind.h>

#include "NamedTexts.h"
#include "PageLanguage.h"

// The words of the browser edition's own life outside the editor: kept for use without a network,
// a new build waiting, and a browser that gives pages no serial port.

namespace {

constexpr NamedText OfflineTexts[] = {
    {"OfflineReady", MessageId::OfflineReady},
    {"UpdateReady", MessageId::UpdateReady},
    {"UpdateNow", MessageId::UpdateNow},
    {"UpdateLater", MessageId::UpdateLater},
    {"UpdateAfterTransfer", MessageId::UpdateAfterTransfer},
    {"NoSerialInBrowser", MessageId::NoSerialInBrowser},
};

std::string OfflineTextNamed(const std::string& name, int language)
{
    return NamedTextIn(OfflineTexts, name, PageLanguage(language));
}

}

EMSCRIPTEN_BINDINGS(kr_t27_offline)
{
    emscripten::function("offlineText", &OfflineTextNamed);
}
