#pragma once

#include <QString>
#include <QStringList>

#include "lang/Messages.h"
#include "link/engine/LinkActions.h"
#include "link/engine/WriteVerify.h"

// How the end of a transfer is told to the user, the same after a single transfer and after each
// radio of a series.

// The outcome's own text, then after a failure the lines that say why and what to do: the port
// problem when the radio could not be reached, the partly-written warning. Empty for the quiet
// endings (the band question's Cancel, a stop before any radio answered).
QStringList OutcomeNoticeLines(LinkOutcome outcome, const QString& portProblem, bool partlyWritten);

// The radio read back after a write holds something else than was written.
Message VerifyMismatchMessage(const VerifyResult& result);
