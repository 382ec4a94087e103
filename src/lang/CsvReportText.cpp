#include "lang/CsvReportText.h"

#include <iterator>
#include <string>

#include "lang/DisplayMessage.h"
#include "text/PrintableText.h"

namespace {

// In the order of CsvRowIssue.
constexpr MessageId RowNoteMessages[] = {
    MessageId::CsvNoChannelLeft,
    MessageId::CsvLocationNotAChannel,
    MessageId::CsvBadFrequency,
    MessageId::CsvOutsideBand,
    MessageId::CsvModeNotFm,
    MessageId::CsvReverseToneDropped,
    MessageId::CsvToneDropped,
    MessageId::CsvFrequencyRounded,
    MessageId::CsvNameTrimmed,
    MessageId::CsvNameCut,
    MessageId::CsvNameCharactersReplaced,
    MessageId::CsvValueIgnored,
};

static_assert(std::size(RowNoteMessages) == size_t(CsvRowIssue::ValueIgnored) + 1);

}

QStringList CsvImportReportLines(const ChannelCsvImport& outcome)
{
    QStringList lines;
    for (const CsvRowNote& note : outcome.notes)
        lines << DisplayMessage(
            {RowNoteMessages[size_t(note.issue)], {std::to_string(note.line), PrintableText(note.detail)}});
    if (outcome.notesLeftOut > 0)
        lines << DisplayMessage({MessageId::CsvNotesLeftOut, {std::to_string(outcome.notesLeftOut)}});
    return lines;
}

Message CsvNameNoteMessage(const CsvNameNote& note)
{
    return {MessageId::CsvNameNotGbk, {std::to_string(note.channel), PrintableText(note.written)}};
}
