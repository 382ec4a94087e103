#include "cli/TransferSession.h"

#include <cstdio>
#include <iostream>

#include <QCoreApplication>

#include "cli/ExitCodes.h"
#include "lang/AppLang.h"
#include "lang/TextTable.h"
#include "link/ProgramDialogEntry.h"
#include "link/TransferRunner.h"

namespace {

constexpr int EnglishLanguageSetting = 0;

std::string DialogWords(int entry) { return DisplayText(ProgramDialogText(entry)).toStdString(); }

// The event loop needs an application object; the command line builds one per transfer.
QCoreApplication& Application()
{
    static int argc = 1;
    static char name[] = "kr-t27-cli";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
    return *QCoreApplication::instance();
}

bool AskOnTerminal(const RadioInfo& reported, const BandLimits& ours)
{
    std::fprintf(stderr, "\nradio band %u-%u Hz, record band %u-%u Hz\n%s [y/N] ", unsigned(reported.BandMin),
                 unsigned(reported.BandMax), ours.BandMin, ours.BandMax,
                 DialogWords(BandDifferenceQuestion).c_str());
    std::string answer;
    std::getline(std::cin, answer);
    return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
}

TransferRunner::BandQuestion BandAnswerFor(BandDifferencePolicy policy, const TransferContext& context)
{
    switch (policy) {
    case BandDifferencePolicy::Continue:
        return [] { return true; };
    case BandDifferencePolicy::Stop:
        return [] { return false; };
    default:
        return [context] { return AskOnTerminal(context.Settings->WriteRadioInfo, *context.Band); };
    }
}

void ShowProgress(int value) { std::fprintf(stderr, "\rprogress %3d%%", value); }

void ShowOutcome(LinkOutcome outcome)
{
    std::fprintf(stderr, "\n");
    const int entry = OutcomeTextEntry(outcome);
    std::printf("%s\n", DialogWords(entry >= 0 ? entry : CancelCaption).c_str());
    std::fflush(stdout);
}

}

LinkOutcome RunTransfer(const TransferContext& context, const std::string& port, BandDifferencePolicy policy)
{
    QCoreApplication& app = Application();
    ApplyLanguageSetting(EnglishLanguageSetting);
    QObject owner;
    TransferRunner runner(context, &owner);
    runner.SetEndAtOnceWhenPortFails(true);
    runner.SetBandQuestion(BandAnswerFor(policy, context));
    QObject::connect(&runner, &TransferRunner::progressChanged, &ShowProgress);
    QObject::connect(&runner, &TransferRunner::portProblem, [](const QString& diagnostic) {
        std::fprintf(stderr, "kr-t27-cli: %s\n", diagnostic.toStdString().c_str());
    });
    QObject::connect(&runner, &TransferRunner::finished, &app, &QCoreApplication::quit);
    runner.Start(PortChoice::Named(port));
    if (runner.Outcome() == LinkOutcome::Running)
        app.exec();
    ShowOutcome(runner.Outcome());
    if (runner.Outcome() == LinkOutcome::Success)
        runner.ApplyResult();
    return runner.Outcome();
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
