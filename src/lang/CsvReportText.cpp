#include "lang/CsvReportText.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "lang/Utf8Text.h"
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

std::vector<std::string> CsvImportReportLines(const ChannelCsvImport& outcome, TTeskFuncs::TLangType language)
{
    std::vector<std::string> lines;
    for (const CsvRowNote& note : outcome.notes)
        lines.push_back(MessageUtf8(
            {RowNoteMessages[size_t(note.issue)], {std::to_string(note.line), PrintableText(note.detail)}}, language));
    if (outcome.notesLeftOut > 0)
        lines.push_back(MessageUtf8({MessageId::CsvNotesLeftOut, {std::to_string(outcome.notesLeftOut)}}, language));
    return lines;
}

std::vector<std::string> CsvImportBandLines(const ChannelCsvImport& outcome, const std::string& band,
                                            TTeskFuncs::TLangType language)
{
    std::vector<std::string> lines{MessageUtf8({MessageId::CsvBandUsed, {band}}, language)};
    const auto outsideBand = [](const CsvRowNote& note) { return note.issue == CsvRowIssue::OutsideBand; };
    if (std::any_of(outcome.notes.begin(), outcome.notes.end(), outsideBand))
        lines.push_back(MessageUtf8({MessageId::CsvOutsideBandHint}, language));
    return lines;
}

Message CsvNameNoteMessage(const CsvNameNote& note)
{
    return {MessageId::CsvNameNotGbk, {std::to_string(note.channel), PrintableText(note.written)}};
}
