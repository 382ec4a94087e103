#include "cli/SeriesCommand.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include <QCoreApplication>

#include "cli/CliOutput.h"
#include "cli/ExitCodes.h"
#include "cli/TransferOptions.h"
#include "lang/FileMessage.h"
#include "lang/IdSeriesMessage.h"
#include "lang/Messages.h"
#include "lang/TextTable.h"
#include "link/ProgramDialogEntry.h"
#include "link/RadioSeriesGroup.h"
#include "link/SeriesAttemptLine.h"
#include "model/IdSeries.h"
#include "files/ProgrammingLog.h"
#include "files/IdentityTable.h"
#include "files/SameFile.h"
#include "files/TextFile.h"
#include "lang/IdentityTableMessage.h"

namespace {

constexpr uint32_t DefaultWaitSeconds = 120;
constexpr int MsPerSecond = 1000;

// `port` names the cable a line is about when there are several, as "COM3: ".
void Say(const Message& message, const std::string& port = {})
{
    std::fprintf(stderr, "kr-t27-cli: %s%s\n", port.c_str(), EnglishMessage(message).c_str());
}

std::string Number(uint64_t n) { return std::to_string(n); }

std::string OutcomeText(LinkOutcome outcome)
{
    return DisplayText(ProgramDialogText(OutcomeTextEntry(outcome))).toStdString();
}

// What went wrong with a radio, in the words a single write uses.
std::string FailureWords(const RadioAttempt& attempt)
{
    const LinkOutcome ending = attempt.EndingOutcome();
    if (ending == LinkOutcome::Success)
        return attempt.VerifyWords();
    return ending == LinkOutcome::Closed ? attempt.OutcomeWords() : OutcomeText(ending);
}

int FailureExit(const RadioAttempt& attempt)
{
    const LinkOutcome ending = attempt.EndingOutcome();
    return ending == LinkOutcome::Success ? ExitVerifyMismatch : ExitCodeOf(ending);
}

void ShowAttempt(const RadioAttempt& attempt, const std::string& port)
{
    const Message line = SeriesAttemptLine(attempt, attempt.Succeeded() ? std::string() : FailureWords(attempt));
    std::printf("%s%s\n", port.c_str(), EnglishMessage(line).c_str());
    std::fflush(stdout);
    ShowBackup(attempt.Backup, port);
    if (attempt.PartlyWritten)
        Say({MessageId::PartlyWritten}, port);
    if (!attempt.Logged.ok)
        Say({MessageId::SeriesLogNotWritten, {EnglishMessage(FileMessage(attempt.Logged))}}, port);
}

SeriesPlan PlanFrom(const CliArgs& cli, const std::string& file, const TransferTargets& targets)
{
    SeriesPlan plan;
    plan.Record = targets.Settings;
    plan.Band = targets.Band;
    plan.Link = targets.Link;
    const uint32_t radios = ParseU32(cli.Required("--radios"), "--radios");
    if (radios < 1 || radios > SeriesMostRadios)
        throw UsageError("--radios takes 1 to " + std::to_string(SeriesMostRadios));
    plan.Radios = radios;
    plan.Verify = cli.Has("--verify");
    plan.IncreaseIds = cli.Has("--increment-ids");
    plan.LogPath = cli.Value("--log").value_or(DefaultProgrammingLogPath());
    std::error_code unknown;
    plan.FileName = std::filesystem::absolute(file, unknown).string();
    const auto wait = cli.Value("--wait-seconds");
    const uint32_t seconds = wait ? ParseU32(*wait, "--wait-seconds") : DefaultWaitSeconds;
    if (seconds < 1 || seconds > uint32_t(INT32_MAX / MsPerSecond))
        throw UsageError("--wait-seconds takes a number of seconds from 1");
    plan.WaitLimitMs = int(seconds) * MsPerSecond;
    plan.Backups = BackupsWanted(cli);
    return plan;
}

// The table is read and checked whole before any port is opened; every problem is told.
bool ReadIdentities(const std::string& path, IdentityTable& table)
{
    std::string text;
    if (const FileResult read = ReadTextFile(path, text, IdentityTableFileLimit); !read.ok) {
        Say(FileMessage(read));
        return false;
    }
    table = ReadIdentityTable(text);
    for (const Message& problem : IdentityTableMessages(table, path))
        Say(problem);
    return table.Ok();
}

// The devices to open for the ports, each set up for a transfer; none when a port is not listed or
// two name one device.
std::optional<std::vector<std::string>> LinkDevices(TransferSession& session, const std::vector<std::string>& ports)
{
    std::vector<std::string> devices;
    for (const std::string& port : ports) {
        const std::optional<std::string> device = session.LinkDevice(port);
        if (!device)
            return std::nullopt;
        for (size_t k = 0; k < devices.size(); ++k)
            if (NameTheSameFile(devices[k], *device))
                throw UsageError("--port " + ports[k] + " and --port " + port + " are one port");
        devices.push_back(*device);
    }
    return devices;
}

}

bool AsksForSeries(const CliArgs& cli)
{
    const bool series = cli.Has("--radios");
    if (!series && (cli.Has("--increment-ids") || cli.Has("--log") || cli.Has("--wait-seconds") || cli.Has("--ids")))
        throw UsageError("--increment-ids, --ids, --log and --wait-seconds go with --radios");
    if (cli.Has("--ids-required") && !cli.Has("--ids"))
        throw UsageError("--ids-required goes with --ids");
    return series;
}

namespace {

// Runs the plan's series on every port at once until it ends; returns the exit status, with
// `differed` set when a checked radio differed from the record.
int RunSeries(SeriesPlan plan, const std::vector<std::string>& ports, BandDifferencePolicy policy,
              TransferTrace* trace, bool& differed)
{
    if (plan.LogPath.empty())
        throw UsageError("no data folder is known for the programming log (HOME is not set): give --log");
    if (const FileResult log = CheckProgrammingLogTarget(plan.LogPath); !log.ok) {
        Say({MessageId::SeriesLogNotWritten, {EnglishMessage(FileMessage(log))}});
        return ExitUsageOrFile;
    }
    TransferSession session;
    const std::optional<std::vector<std::string>> devices = LinkDevices(session, ports);
    if (!devices)
        return ExitCommunicationFailure;

    QCoreApplication& app = session.Application();
    plan.Link.Ports = session.Ports();
    RadioSeriesGroup series(plan, ports);
    series.SetEndAtOnceWhenPortFails(true);
    series.SetBandQuestion(BandAnswerFor(policy));
    // With several cables the lines say which one they are about; percentages would interleave.
    const bool several = ports.size() > 1;
    const auto on = [&ports, several](size_t port) { return several ? ports[port] + ": " : std::string(); };
    ProgressReport progress;
    std::vector<RadioAttempt> last(ports.size());
    std::optional<RadioAttempt> failed;  // the first radio that failed
    int exitCode = ExitSuccess;
    QObject::connect(&series, &RadioSeriesGroup::progressChanged, [&progress, several](size_t, int value) {
        if (!several)
            progress.Show(value);
    });
    QObject::connect(&series, &RadioSeriesGroup::portProblem, [&on](size_t port, const QString& why) {
        std::fprintf(stderr, "kr-t27-cli: %s%s\n", on(port).c_str(), why.toStdString().c_str());
    });
    QObject::connect(&series, &RadioSeriesGroup::verifying, [&](size_t port) {
        progress.End();
        Say({MessageId::Verifying}, on(port));
    });
    QObject::connect(&series, &RadioSeriesGroup::sameRadioAnswered, [&on](size_t port, const QString& serial) {
        Say({MessageId::SeriesSameRadioWaits, {serial.toStdString()}}, on(port));
    });
    QObject::connect(&series, &RadioSeriesGroup::radioFinished, [&](size_t port, const RadioAttempt& attempt) {
        progress.End();
        last[port] = attempt;
        if (!failed && !attempt.Succeeded() && attempt.Refusal == RadioRefusal::None)
            failed = attempt;
        differed = differed || attempt.Differences.value_or(0) > 0;
        ShowAttempt(attempt, on(port));
    });
    QObject::connect(&series, &RadioSeriesGroup::radioStarting, [&](size_t port, uint64_t, bool waiting) {
        if (waiting && last[port].Refusal == RadioRefusal::None)
            Say({MessageId::SeriesRadioDone, {Number(last[port].Number), last[port].Serial}}, on(port));
    });
    QObject::connect(&series, &RadioSeriesGroup::finished, [&](SeriesEnd end) {
        switch (end) {
        case SeriesEnd::AllWritten:
            Say({plan.CheckOnly ? MessageId::SeriesAllChecked : MessageId::SeriesAllWritten, {Number(series.Written())}});
            break;
        case SeriesEnd::WaitRanOut:
            Say({MessageId::SeriesWaitRanOut, {Number(uint64_t(plan.WaitLimitMs / MsPerSecond))}});
            exitCode = ExitCommunicationFailure;
            break;
        case SeriesEnd::LogFailed:
            exitCode = ExitUsageOrFile;
            break;
        default:
            exitCode = failed ? FailureExit(*failed) : ExitCommunicationFailure;
            break;
        }
        app.quit();
    });
    series.Start(*devices);
    if (series.Running())
        app.exec();
    if (trace)
        trace->Append(series.Trace());
    return exitCode;
}

}

int WriteSeries(const CliArgs& cli, const std::string& file, const std::vector<std::string>& ports,
                const TransferTargets& targets, BandDifferencePolicy policy, TransferTrace* trace)
{
    SeriesPlan plan = PlanFrom(cli, file, targets);
    if (const auto ids = cli.Value("--ids")) {
        if (!ReadIdentities(*ids, plan.Identities))
            return ExitUsageOrFile;
        plan.IdentitiesRequired = cli.Has("--ids-required");
    }
    if (plan.IncreaseIds) {
        if (const IdSeriesCheck check = CheckIdSeries(plan.Record, plan.Radios); !check.Ok()) {
            Say(IdSeriesMessage(check, plan.Radios));
            return ExitUsageOrFile;
        }
    }
    bool differed = false;
    return RunSeries(std::move(plan), ports, policy, trace, differed);
}

int CheckSeries(const CliArgs& cli, const std::string& file, const std::vector<std::string>& ports,
                const TransferTargets& targets, TransferTrace* trace)
{
    SeriesPlan plan = PlanFrom(cli, file, targets);
    plan.CheckOnly = true;
    plan.Backups = false;
    bool differed = false;
    const int status = RunSeries(std::move(plan), ports, BandDifferencePolicy::Continue, trace, differed);
    return status == ExitSuccess && differed ? ExitRecordsDiffer : status;
}
