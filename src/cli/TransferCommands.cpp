#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/TransferSession.h"
#include "files/AppSettings.h"
#include "files/ChannelDataFile.h"
#include "link/TransferTargets.h"
#include "model/Password.h"
#include "ports/SerialPortInfo.h"

namespace {

using TeskComm32::TCommSerialPortInfo;

int Fail(const std::string& message)
{
    std::fprintf(stderr, "kr-t27-cli: %s\n", message.c_str());
    return ExitUsageOrFile;
}

// --password replaces the password the record presents to the radio.
void ApplyPassword(const CliArgs& cli, RadioSettings& settings)
{
    const auto text = cli.Value("--password");
    if (!text)
        return;
    if (text->size() > PasswordMaxLength)
        throw UsageError("--password takes at most " + std::to_string(PasswordMaxLength) + " characters");
    std::memset(settings.Password, 0, sizeof settings.Password);
    std::memcpy(settings.Password, text->data(), text->size());
}

BandDifferencePolicy ParsePolicy(const std::optional<std::string>& text)
{
    if (!text)
        return isatty(STDIN_FILENO) ? BandDifferencePolicy::Ask : BandDifferencePolicy::Stop;
    if (*text == "ask")
        return BandDifferencePolicy::Ask;
    if (*text == "continue")
        return BandDifferencePolicy::Continue;
    if (*text == "stop")
        return BandDifferencePolicy::Stop;
    throw UsageError("--on-band-difference takes ask, continue or stop, not " + *text);
}

// The band the record is written for: given outright, or one of the settings file's bands,
// numbered 1 to 6 as in the band menu (its selected one unless --band names another).
BandLimits ParseBand(const CliArgs& cli)
{
    if (cli.Has("--band") && cli.Has("--band-limits"))
        throw UsageError("give either --band or --band-limits");
    if (const auto band = BandLimitsOption(cli))
        return *band;
    const AppSettings settings = LoadAppSettings(SettingsFilePath());
    int index = settings.BandSelete;
    if (const auto chosen = cli.Value("--band")) {
        const uint32_t number = ParseU32(*chosen, "--band");
        if (number < 1 || number > uint32_t(BandCount))
            throw UsageError("--band takes 1 to " + std::to_string(BandCount));
        index = int(number) - 1;
    }
    return settings.Bands[size_t(index)];
}

// COM names mean here what they mean in the desktop program, pinned devices included.
void UsePinnedPorts() { TeskComm32::SetPinnedPorts(LoadAppSettings(SettingsFilePath()).PinnedPorts); }

int ListPorts(const CommandArgs& args)
{
    const CliArgs cli(args, {});
    if (!cli.Positional().empty())
        throw UsageError("ports takes no arguments");
    UsePinnedPorts();
    const TCommSerialPortInfo info;
    for (const auto& name : info.PortList)
        std::printf("%s\t%s\t%s\n", name.c_str(), TeskComm32::DevicePathOf(name).c_str(),
                    info.FromSystem ? "system" : "fallback");
    return ExitSuccess;
}

int ReadRadio(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--port", 1}, {"--out", 1}, {"--base", 1}, {"--password", 1}});
    if (!cli.Positional().empty())
        throw UsageError("read takes no file argument; use --out");
    const std::string port = cli.Required("--port");
    const std::string out = cli.Required("--out");
    auto targets = std::make_unique<TransferTargets>();
    if (const auto base = cli.Value("--base"))
        if (FileResult opened = OpenChannelFile(*base, targets->Settings); !opened.ok)
            return Fail(opened.message);
    ApplyPassword(cli, targets->Settings);
    UsePinnedPorts();

    const TransferContext context = targets->Context(TransferKind::Normal, true);
    const LinkOutcome outcome = RunTransfer(context, port, BandDifferencePolicy::Stop);
    if (outcome != LinkOutcome::Success)
        return ExitCodeOf(outcome);
    if (FileResult saved = SaveChannelFile(out, targets->Settings); !saved.ok)
        return Fail(saved.message);
    return ExitSuccess;
}

int WriteRadio(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--port", 1},
                             {"--password", 1},
                             {"--band", 1},
                             {"--band-limits", 2},
                             {"--on-band-difference", 1}});
    const std::string file = cli.Only("record file");
    const std::string port = cli.Required("--port");
    const BandDifferencePolicy policy = ParsePolicy(cli.Value("--on-band-difference"));
    auto targets = std::make_unique<TransferTargets>();
    targets->Band = ParseBand(cli);
    if (FileResult opened = OpenChannelFile(file, targets->Settings); !opened.ok)
        return Fail(opened.message);
    ApplyPassword(cli, targets->Settings);
    UsePinnedPorts();

    return ExitCodeOf(RunTransfer(targets->Context(TransferKind::Normal, false), port, policy));
}

}

std::vector<CliCommand> TransferCommands()
{
    return {
        {"ports", "ports", ListPorts},
        {"read", "read --port PORT --out FILE.Kqd [--base FILE.Kqd] [--password TEXT]", ReadRadio},
        {"write",
         "write --port PORT FILE.Kqd [--password TEXT] [--band N | --band-limits MIN MAX] "
         "[--on-band-difference ask|continue|stop]",
         WriteRadio},
    };
}
