#include <cstdio>
#include <memory>

#include "cli/CliArgs.h"
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/OutputFile.h"
#include "cli/TransferOptions.h"
#include "files/AppSettings.h"
#include "files/ChannelDataFile.h"
#include "link/TransferTargets.h"
#include "ports/SerialPortInfo.h"

namespace {

using TeskComm32::TCommSerialPortInfo;

// The band the record is written for: given outright, or one of the settings file's bands,
// numbered 1 to 6 as in the band menu (its selected one unless --band names another).
BandLimits ParseBand(const CliArgs& cli)
{
    if (cli.Has("--band") && cli.Has("--band-limits"))
        throw UsageError("give either --band or --band-limits");
    if (const auto band = BandLimitsOption(cli))
        return *band;
    const AppSettings settings = CurrentAppSettings();
    int index = settings.BandSelete;
    if (const auto chosen = cli.Value("--band")) {
        const uint32_t number = ParseU32(*chosen, "--band");
        if (number < 1 || number > uint32_t(BandCount))
            throw UsageError("--band takes 1 to " + std::to_string(BandCount));
        index = int(number) - 1;
    }
    return settings.Bands[size_t(index)];
}

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
    if (const auto unwritable = WhyNotWritable(out))
        return Fail(*unwritable);
    auto targets = std::make_unique<TransferTargets>();
    if (const auto base = cli.Value("--base"))
        if (FileResult opened = OpenChannelFile(*base, targets->Settings); !opened.ok)
            return Fail(opened.message);
    ApplyPasswordOption(cli, targets->Settings);
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
    const BandDifferencePolicy policy = PolicyOption(cli);
    auto targets = std::make_unique<TransferTargets>();
    targets->Band = ParseBand(cli);
    if (FileResult opened = OpenChannelFile(file, targets->Settings); !opened.ok)
        return Fail(opened.message);
    ApplyPasswordOption(cli, targets->Settings);

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
