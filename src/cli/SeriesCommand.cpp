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
#include "link/RadioSeries.h"
#include "model/IdSeries.h"
#include "files/ProgrammingLog.h"

namespace {

constexpr uint32_t DefaultWaitSeconds = 120;
constexpr int MsPerSecond = 1000;

void Say(const Message& message) { std::fprintf(stderr, "kr-t27-cli: %s\n", EnglishMessage(message).c_str()); }

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

void ShowAttempt(const RadioAttempt& attempt)
{
    const Message line = attempt.Succeeded()
                             ? Message{MessageId::SeriesRadioWritten, {Number(attempt.Number), attempt.Serial}}
                             : Message{MessageId::SeriesRadioFailed,
                                       {Number(attempt.Number), attempt.Serial, FailureWords(attempt)}};
    std::printf("%s\n", EnglishMessage(line).c_str());
    std::fflush(stdout);
    ShowBackup(attempt.Backup);
    if (attempt.PartlyWritten)
        Say({MessageId::PartlyWritten});
    if (!attempt.Logged.ok)
        Say({MessageId::SeriesLogNotWritten, {EnglishMessage(FileMessage(attempt.Logged))}});
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

}

bool AsksForSeries(const CliArgs& cli)
{
    const bool series = cli.Has("--radios");
    if (!series && (cli.Has("--increment-ids") || cli.Has("--log") || cli.Has("--wait-seconds")))
        throw UsageError("--increment-ids, --log and --wait-seconds go with --radios");
    return series;
}

int WriteSeries(const CliArgs& cli, const std::string& file, const std::string& port, const TransferTargets& targets,
                BandDifferencePolicy policy, TransferTrace* trace)
{
    SeriesPlan plan = PlanFrom(cli, file, targets);
    if (plan.IncreaseIds) {
        if (const IdSeriesCheck check = CheckIdSeries(plan.Record, plan.Radios); !check.Ok()) {
            Say(IdSeriesMessage(check, plan.Radios));
            return ExitUsageOrFile;
        }
    }
    if (plan.LogPath.empty())
        throw UsageError("no data folder is known for the programming log (HOME is not set): give --log");
    if (const FileResult log = CheckProgrammingLogTarget(plan.LogPath); !log.ok) {
        Say({MessageId::SeriesLogNotWritten, {EnglishMessage(FileMessage(log))}});
        return ExitUsageOrFile;
    }
    TransferSession session;
    const std::optional<std::string> device = session.LinkDevice(port);
    if (!device)
        return ExitCommunicationFailure;

    QCoreApplication& app = session.Application();
    plan.Link.Ports = session.Ports();
    RadioSeries series(plan);
    series.SetEndAtOnceWhenPortFails(true);
    series.SetBandQuestion(BandAnswerFor(policy));
    ProgressReport progress;
    RadioAttempt last;
    int exitCode = ExitSuccess;
    QObject::connect(&series, &RadioSeries::progressChanged, [&progress](int value) { progress.Show(value); });
    QObject::connect(&series, &RadioSeries::portProblem,
                     [](const QString& why) { std::fprintf(stderr, "kr-t27-cli: %s\n", why.toStdString().c_str()); });
    QObject::connect(&series, &RadioSeries::verifying, [&progress] {
        progress.End();
        Say({MessageId::Verifying});
    });
    QObject::connect(&series, &RadioSeries::sameRadioAnswered,
                     [](const QString& serial) { Say({MessageId::SeriesSameRadioWaits, {serial.toStdString()}}); });
    QObject::connect(&series, &RadioSeries::radioFinished, [&](const RadioAttempt& attempt) {
        progress.End();
        last = attempt;
        ShowAttempt(attempt);
    });
    QObject::connect(&series, &RadioSeries::radioStarting, [&last](uint64_t, bool waiting) {
        if (waiting)
            Say({MessageId::SeriesRadioDone, {Number(last.Number), last.Serial}});
    });
    QObject::connect(&series, &RadioSeries::finished, [&](SeriesEnd end) {
        switch (end) {
        case SeriesEnd::AllWritten:
            Say({MessageId::SeriesAllWritten, {Number(series.Written())}});
            break;
        case SeriesEnd::WaitRanOut:
            Say({MessageId::SeriesWaitRanOut, {Number(uint64_t(plan.WaitLimitMs / MsPerSecond))}});
            exitCode = ExitCommunicationFailure;
            break;
        case SeriesEnd::LogFailed:
            exitCode = ExitUsageOrFile;
            break;
        default:
            exitCode = FailureExit(last);
            break;
        }
        app.quit();
    });
    series.Start(PortChoice::Named(*device));
    if (series.Running())
        app.exec();
    if (trace)
        trace->Append(series.Trace());
    return exitCode;
}
