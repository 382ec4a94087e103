#include <cstdio>
#include <memory>

#include "cli/CliArgs.h"
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/OutputFile.h"
#include "cli/SeriesCommand.h"
#include "cli/TraceFile.h"
#include "cli/TransferOptions.h"
#include "files/AppSettings.h"
#include "files/BackupStore.h"
#include "files/ChannelDataFile.h"
#include "lang/FileMessage.h"
#include "lang/FindingMessage.h"
#include "link/TransferNotice.h"
#include "link/engine/TransferTargets.h"
#include "link/engine/WriteVerify.h"
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

// What was read stays where the backup put it, or goes to a private temporary folder, when --out
// could not take it (a disk that filled during the transfer): the command fails saying where.
int KeptAside(const FileResult& unsaved, const std::string& backup, const TransferTargets& targets)
{
    Fail(unsaved);
    if (!backup.empty())
        return Fail(EnglishMessage({MessageId::ReadKeptAt, {backup}}));
    const BackupResult aside = KeepReadAside(targets.Settings, targets.Image);
    if (!aside.result.ok)
        return Fail(EnglishMessage({MessageId::ReadNotKept, {EnglishMessage(FileMessage(aside.result))}}));
    return Fail(EnglishMessage({MessageId::ReadKeptAt, {aside.recordPath}}));
}

// A record the radio cannot take is refused unless --force, with every finding on stderr.
bool RefusedAsUnclean(const CliArgs& cli, const std::string& file, const TransferTargets& targets)
{
    const std::vector<RecordFinding> findings = CheckChannelFile(file, targets.Settings, targets.Band);
    for (const RecordFinding& finding : findings)
        std::fprintf(stderr, "kr-t27-cli: %s: %s\n", file.c_str(), EnglishFinding(finding).c_str());
    if (findings.empty() || cli.Has("--force"))
        return false;
    std::fprintf(stderr, "kr-t27-cli: not written; --force writes it anyway\n");
    return true;
}

// Reads the radio back into objects of its own, so the record stays as written, and compares
// the written span.
int Verify(TransferSession& session, TransferTargets& written, const std::string& port, TransferTrace* trace)
{
    const auto reader = TransferTargets::ForReadBack(written.Context(TransferKind::Normal, false));
    // The password was accepted a moment ago: the read-back presents it without asking.
    const LinkOutcome outcome =
        session.Run(reader->Context(TransferKind::Normal, true), {port, BandDifferencePolicy::Stop, trace});
    if (outcome != LinkOutcome::Success)
        return ExitCodeOf(outcome);
    const VerifyResult result = CompareWritten(written.Image, reader->Image);
    if (result.Matches()) {
        std::fprintf(stderr, "kr-t27-cli: verified: the radio holds what was written\n");
        return ExitSuccess;
    }
    std::fprintf(stderr, "kr-t27-cli: %s\n", EnglishMessage(VerifyMismatchMessage(result)).c_str());
    return ExitVerifyMismatch;
}

int ListPorts(const CommandArgs& args)
{
    const CliArgs cli(args, {});
    if (!cli.Positional().empty())
        throw UsageError("ports takes no arguments");
    const TeskComm32::PortLookup ports = ConfiguredPorts();
    const TCommSerialPortInfo info(ports);
    const std::vector<std::string> paths = TeskComm32::DevicePathsOf(info.PortList, ports);
    for (size_t i = 0; i < info.PortList.size(); ++i)
        std::printf("%s\t%s\t%s\n", info.PortList[i].c_str(), paths[i].c_str(),
                    info.FromSystem ? "system" : "fallback");
    return ExitSuccess;
}

int ReadRadio(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--port", 1},
                             {"--out", 1},
                             {"--base", 1},
                             {"--password", 1},
                             {"--password-file", 1},
                             {"--trace", 1},
                             {"--trace-secrets", 0},
                             {"--fast", 0},
                             {"--no-backup", 0}});
    if (!cli.Positional().empty())
        throw UsageError("read takes no file argument; use --out");
    const std::string port = cli.Required("--port");
    const std::string out = cli.Required("--out");
    if (const auto refused = WhyFilesRefused(cli))
        return Fail(*refused);
    TraceFile trace(cli);
    auto targets = std::make_unique<TransferTargets>();
    if (const auto base = cli.Value("--base"))
        if (FileResult opened = OpenChannelFile(*base, targets->Settings); !opened.ok)
            return Fail(opened);
    ApplyPasswordOption(cli, targets->Settings);
    ApplyFastOption(cli, targets->Link);
    const TransferContext context = targets->Context(TransferKind::Normal, true);
    const TransferRun run{port, BandDifferencePolicy::Stop, trace.Trace(), PasswordQuestionFor(cli),
                          SuccessLine::Later};
    const LinkOutcome outcome = RunTransfer(context, run);
    if (outcome != LinkOutcome::Success)
        return ExitCodeOf(outcome);
    const std::string backup = BackUpRead(cli, *targets);
    if (FileResult saved = SaveChannelFile(out, targets->Settings); !saved.ok)
        return KeptAside(saved, backup, *targets);
    ShowOutcome(outcome);
    return ExitSuccess;
}

int WriteRadio(const CommandArgs& args)
{
    const CliArgs cli(args, {{"--port", 1},
                             {"--password", 1},
                             {"--password-file", 1},
                             {"--band", 1},
                             {"--band-limits", 2},
                             {"--on-band-difference", 1},
                             {"--trace", 1},
                             {"--trace-secrets", 0},
                             {"--fast", 0},
                             {"--verify", 0},
                             {"--no-backup", 0},
                             {"--force", 0},
                             {"--radios", 1},
                             {"--increment-ids", 0},
                             {"--log", 1},
                             {"--wait-seconds", 1},
                             {"--ids", 1},
                             {"--ids-required", 0}},
                      {"--port"});
    const std::string file = cli.Only("record file");
    const std::string port = cli.Required("--port");
    const BandDifferencePolicy policy = PolicyOption(cli);
    const bool series = AsksForSeries(cli);
    if (!series && cli.Values("--port").size() > 1)
        throw UsageError("several --port go with --radios");
    if (const auto refused = WhyFilesRefused(cli, {{"the record", file}}))
        return Fail(*refused);
    TraceFile trace(cli);
    auto targets = std::make_unique<TransferTargets>();
    targets->Band = ParseBand(cli);
    if (FileResult opened = OpenChannelFile(file, targets->Settings); !opened.ok)
        return Fail(opened);
    ApplyPasswordOption(cli, targets->Settings);
    ApplyFastOption(cli, targets->Link);
    if (RefusedAsUnclean(cli, file, *targets))
        return ExitUsageOrFile;

    if (series)
        return WriteSeries(cli, file, cli.Values("--port"), *targets, policy, trace.Trace());
    TransferRun run{port, policy, trace.Trace(), PasswordQuestionFor(cli)};
    run.WriteBackup = BackupsWanted(cli);
    TransferSession session;
    const LinkOutcome outcome = session.Run(targets->Context(TransferKind::Normal, false), run);
    if (outcome != LinkOutcome::Success)
        return ExitCodeOf(outcome);
    return cli.Has("--verify") ? Verify(session, *targets, port, trace.Trace()) : ExitSuccess;
}

}

std::vector<CliCommand> TransferCommands()
{
    return {
        {"ports", "ports", ListPorts},
        {"read",
         "read --port PORT --out FILE.Kqd [--base FILE.Kqd] [--password TEXT | --password-file FILE] "
         "[--trace FILE [--trace-secrets]] [--fast] [--no-backup]",
         ReadRadio},
        {"write",
         "write --port PORT FILE.Kqd [--password TEXT | --password-file FILE] [--band N | --band-limits MIN MAX] "
         "[--on-band-difference ask|continue|stop] [--verify] [--force] [--trace FILE [--trace-secrets]] [--fast] "
         "[--no-backup] [--radios N [--port PORT]... [--increment-ids] [--ids FILE.csv [--ids-required]] "
         "[--log LOG.csv] [--wait-seconds S]]",
         WriteRadio},
    };
}
