#include "link/TransferNotice.h"

#include "lang/DisplayMessage.h"
#include "lang/TextTable.h"
#include "link/ProgramDialogEntry.h"

QStringList OutcomeNoticeLines(LinkOutcome outcome, const QString& portProblem, bool partlyWritten)
{
    const int entry = OutcomeTextEntry(outcome);
    if (entry < 0)
        return {};
    QStringList lines{DisplayText(ProgramDialogText(entry))};
    if (entry == CommunicationFalseText && !portProblem.isEmpty())
        lines << portProblem;
    if (partlyWritten)
        lines << DisplayMessage({MessageId::PartlyWritten});
    return lines;
}

Message VerifyMismatchMessage(const VerifyResult& result)
{
    return {MessageId::VerifyMismatch, {FirstDifferenceText(result), std::to_string(result.differing)}};
}
