#include <cstdio>
#include <ctime>
#include <filesystem>

#include "bundle/LocalBundleSources.h"
#include "cli/CliArgs.h"
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/TransferOptions.h"
#include "files/AppSettings.h"

namespace {

// What a user sends whoever helps them with a radio, written here and sent nowhere. The target
// is checked before anything is gathered; the path written goes to stdout.
int SaveBundle(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--out", 1}});
    if (!cli.Positional().empty())
        throw UsageError("support-bundle takes no file argument; use --out");
    const std::string out = cli.Required("--out");
    const BundlePlaces places{std::string("kr-t27-cli ") + KR_T27_VERSION, SettingsFilePath(), ConfiguredPorts()};
    if (const std::optional<Message> refused = WhyBundleTargetRefused(places, out))
        return Fail(EnglishMessage(*refused));
    const FileResult saved =
        SaveSupportBundle(out, LocalBundleSources(places, std::time(nullptr)), TTeskFuncs::LangEnglish);
    if (!saved.ok)
        return Fail(saved);
    std::printf("%s\n", std::filesystem::absolute(out).lexically_normal().string().c_str());
    return ExitSuccess;
}

}  // namespace

std::vector<CliCommand> SupportCommands() { return {{"support-bundle", "support-bundle --out FILE.zip", SaveBundle}}; }
