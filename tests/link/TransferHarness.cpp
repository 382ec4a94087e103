#include "TransferHarness.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "link/TransferRunner.h"

namespace {

constexpr int TransferGuardMs = 30000;

}

TransferContext TransferObjects::Context(bool isRead, TransferKind kind)
{
    TransferContext context = TransferTargets::Context(kind, isRead);
    context.Clock = [] { return Now; };
    return context;
}

TransferRun RunTransfer(const TransferContext& context, const PortChoice& choice, RunOptions options)
{
    TransferRun run;
    TransferRunner runner(context);
    runner.SetEndAtOnceWhenPortFails(options.endAtOnceWhenPortFails);
    runner.SetWriteBackup(options.writeBackup);
    runner.SetBandQuestion([&] {
        ++run.bandQuestions;
        return options.continueAtBandQuestion;
    });
    QEventLoop loop;
    QObject::connect(&runner, &TransferRunner::progressChanged, [&](int value) { run.progress.push_back(value); });
    QObject::connect(&runner, &TransferRunner::portProblem,
                     [&](const QString& text) { run.portProblems.push_back(text.toStdString()); });
    QObject::connect(&runner, &TransferRunner::linkStepChanged, [&](int step) { run.linkSteps.push_back(step); });
    QObject::connect(&runner, &TransferRunner::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(TransferGuardMs, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    runner.Start(choice);
    loop.exec();
    run.elapsedMs = clock.elapsed();
    run.outcome = runner.Outcome();
    run.trace = runner.Trace().Lines();
    run.partlyWritten = runner.PartlyWritten();
    run.writeBackup = runner.WriteBackup();
    if (run.outcome == LinkOutcome::Success)
        runner.ApplyResult();
    return run;
}
