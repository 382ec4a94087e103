#include <emscripten/bind.h>

#include <ctime>
#include <optional>
#include <string>

#include "JsValues.h"
#include "PageLanguage.h"
#include "bundle/SupportBundle.h"

// Help, Save support bundle in the page: the desktop's archive, made from what the page keeps
// (its settings, the ports the browser granted, the last transfer's trace, its backups and its
// programming log), for the page to download. Nothing is sent anywhere.

using emscripten::val;

namespace {

constexpr const char* ProgramName = "kr-t27 " KR_T27_VERSION " (browser)";

// A text the page has, or null and undefined for one it does not have yet.
BundleFile FileFrom(const val& text)
{
    if (text.isNull() || text.isUndefined())
        return BundleFile::Without({MessageId::BundleNoneYet});
    return BundleFile::Of(text.as<std::string>());
}

// sources: made (seconds since 1970), system, architecture, settingsName, settings, ports, trace,
// backups (names as "FOLDER/NAME"), programmingLog; settings, trace and programmingLog may be null.
val SupportBundle(const val& sources, int language)
{
    SupportBundleSources bundle;
    bundle.Made = std::time_t(sources["made"].as<double>());
    bundle.Program = ProgramName;
    bundle.System = sources["system"].as<std::string>();
    bundle.Architecture = sources["architecture"].as<std::string>();
    bundle.SettingsName = sources["settingsName"].as<std::string>();
    bundle.Settings = FileFrom(sources["settings"]);
    bundle.Ports = sources["ports"].as<std::string>();
    bundle.Trace = FileFrom(sources["trace"]);
    bundle.Backups = emscripten::vecFromJSArray<std::string>(sources["backups"]);
    bundle.ProgrammingLog = FileFrom(sources["programmingLog"]);
    const std::optional<std::string> archive = SupportBundleArchive(bundle, PageLanguage(language));
    if (!archive)
        return val::null();
    return ByteArray(reinterpret_cast<const uint8_t*>(archive->data()), archive->size());
}

}

EMSCRIPTEN_BINDINGS(kr_t27_support)
{
    emscripten::function("supportBundle", &SupportBundle);
}
