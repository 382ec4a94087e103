#pragma once

#include <string>
#include <vector>

#include "files/BackupStore.h"
#include "link/PortChoice.h"
#include "link/engine/LinkActions.h"
#include "link/engine/TransferTargets.h"

// What a test hands one transfer, with a fixed clock.
struct TransferObjects : TransferTargets {
    static constexpr DateTimeStamp Now{2026, 5, 4, 3, 2};

    TransferContext Context(bool isRead, TransferKind kind = TransferKind::Normal);
};

// What a test sees of one finished transfer.
struct TransferRun {
    LinkOutcome outcome = LinkOutcome::Running;
    std::vector<int> progress;
    std::vector<std::string> portProblems;
    int bandQuestions = 0;
    long long elapsedMs = 0;
    std::vector<int> linkSteps;
    std::vector<std::string> trace;
    bool partlyWritten = false;
    BackupResult writeBackup;
};

struct RunOptions {
    bool continueAtBandQuestion = true;
    bool endAtOnceWhenPortFails = false;
    bool writeBackup = false;
};

// Runs a TransferRunner to its end in a local event loop; after a success it applies the result.
TransferRun RunTransfer(const TransferContext& context, const PortChoice& choice, RunOptions options = {});
