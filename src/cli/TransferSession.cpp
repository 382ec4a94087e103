#include "cli/TransferSession.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <optional>

#include <QCoreApplication>

#include "cli/CliOutput.h"
#include "cli/ExitCodes.h"
#include "cli/PortArgument.h"
#include "cli/TransferOptions.h"
#include "lang/AppLang.h"
#include "lang/TextTable.h"
#include "lang/Messages.h"
#include "link/ProgramDialogEntry.h"
#include "link/TransferRunner.h"
#include "model/Password.h"

namespace {

std::string DialogWords(int entry) { return DisplayText(ProgramDialogText(entry)).toStdString(); }

bool AskOnTerminal(const RadioInfo& reported, const BandLimits& ours)
{
    std::fprintf(stderr, "\nradio band %u-%u Hz, record band %u-%u Hz\n%s [y/N] ", unsigned(reported.BandMin),
                 unsigned(reported.BandMax), ours.BandMin, ours.BandMax,
                 DialogWords(BandDifferenceQuestion).c_str());
    std::string answer;
    std::getline(std::cin, answer);
    return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
}

bool StopWithoutAsking(const RadioInfo& reported, const BandLimits& ours)
{
    std::fprintf(stderr, "\nkr-t27-cli: the radio's band %u-%u Hz is not the record's %u-%u Hz; stopped before "
                 "writing (--on-band-difference continue writes anyway)\n",
                 unsigned(reported.BandMin), unsigned(reported.BandMax), ours.BandMin, ours.BandMax);
    return false;
}

// Fails as a port that does not open fails, named as the user named it.
LinkOutcome UnlistedPort(const std::string& port)
{
    std::fprintf(stderr, "kr-t27-cli: %s\n", EnglishMessage({MessageId::PortNotListed, {port}}).c_str());
    ShowOutcome(LinkOutcome::CommunicationFailure);
    return LinkOutcome::CommunicationFailure;
}

}

TransferSession::TransferSession()
    : application_(std::make_unique<QCoreApplication>(argc_, argv_)), ports_(ConfiguredPorts())
{
}

TransferSession::~TransferSession() = default;

BandAnswer BandAnswerFor(BandDifferencePolicy policy)
{
    switch (policy) {
    case BandDifferencePolicy::Continue:
        return [](const RadioInfo&, const BandLimits&) { return true; };
    case BandDifferencePolicy::Stop:
        return StopWithoutAsking;
    default:
        return AskOnTerminal;
    }
}

std::optional<std::string> TransferSession::LinkDevice(const std::string& port)
{
    ApplyLanguageSetting(LanguageSetting::English);
    const std::optional<std::string> device = PortToOpen(port, ports_);
    if (!device)
        UnlistedPort(port);
    return device;
}

ProgressReport::ProgressReport() : interactive_(isatty(STDERR_FILENO)) {}

void ProgressReport::Show(int value)
{
    if (interactive_)
        std::fprintf(stderr, "\rprogress %3d%%", value);
    else if (value / LogStep != shown_ / LogStep)
        std::fprintf(stderr, "progress %d%%\n", value);
    shown_ = value;
}

void ProgressReport::End()
{
    if (interactive_ && shown_ >= 0)
        std::fprintf(stderr, "\n");
    shown_ = -1;
}

void ShowOutcome(LinkOutcome outcome)
{
    const int entry = OutcomeTextEntry(outcome);
    std::printf("%s\n", DialogWords(entry >= 0 ? entry : CancelCaption).c_str());
    std::fflush(stdout);
}

LinkOutcome TransferSession::RunOnce(const TransferContext& context, const std::string& device,
                                     const TransferRun& run)
{
    QCoreApplication& app = *application_;
    TransferRunner runner(context);
    runner.SetEndAtOnceWhenPortFails(true);
    runner.SetWriteBackup(run.WriteBackup);
    const BandAnswer answer = BandAnswerFor(run.Policy);
    runner.SetBandQuestion([answer, context] { return answer(context.Settings.WriteRadioInfo, context.Band); });
    ProgressReport progress;
    QObject::connect(&runner, &TransferRunner::progressChanged, [&progress](int value) { progress.Show(value); });
    QObject::connect(&runner, &TransferRunner::portProblem, [](const QString& diagnostic) {
        std::fprintf(stderr, "kr-t27-cli: %s\n", diagnostic.toStdString().c_str());
    });
    QObject::connect(&runner, &TransferRunner::finished, &app, &QCoreApplication::quit);
    runner.Start(PortChoice::Named(device));
    if (runner.Outcome() == LinkOutcome::Running)
        app.exec();
    progress.End();
    ShowBackup(runner.WriteBackup());
    if (run.Trace)
        run.Trace->Append(runner.Trace());
    if (runner.PartlyWritten())
        std::fprintf(stderr, "kr-t27-cli: %s\n", EnglishMessage({MessageId::PartlyWritten}).c_str());
    if (runner.Outcome() == LinkOutcome::Success)
        runner.ApplyResult();
    return runner.Outcome();
}

// A refused password is asked for again only after the radio has let go: the handshake starts
// afresh with the answer, so the radio is never kept waiting on a typist.
LinkOutcome TransferSession::Run(const TransferContext& context, const TransferRun& run)
{
    context.Link.Ports = ports_;
    const std::optional<std::string> device = LinkDevice(run.Port);
    if (!device)
        return LinkOutcome::CommunicationFailure;
    LinkOutcome outcome = RunOnce(context, *device, run);
    if (outcome == LinkOutcome::PasswordError && run.AskPassword) {
        if (const std::optional<std::string> typed = run.AskPassword()) {
            StorePasswordText(context.Settings.Password, *typed);
            outcome = RunOnce(context, *device, run);
        }
    }
    if (outcome != LinkOutcome::Success || run.Success == SuccessLine::AtOnce)
        ShowOutcome(outcome);
    return outcome;
}

LinkOutcome RunTransfer(const TransferContext& context, const TransferRun& run)
{
    TransferSession session;
    return session.Run(context, run);
}

int ExitCodeOf(LinkOutcome outcome)
{
    switch (outcome) {
    case LinkOutcome::Success:
        return ExitSuccess;
    case LinkOutcome::PasswordError:
        return ExitPasswordError;
    case LinkOutcome::Closed:
        return ExitStoppedAtBandQuestion;
    default:
        return ExitCommunicationFailure;
    }
}
