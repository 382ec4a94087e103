#include "lang/CsvReportText.h"

#include <iterator>
#include <string>

#include "lang/Utf8Text.h"

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
    MessageId::CsvNameCut,
    MessageId::CsvNameCharactersReplaced,
    MessageId::CsvValueIgnored,
};

static_assert(std::size(RowNoteMessages) == size_t(CsvRowIssue::ValueIgnored) + 1);

}

std::string CsvRowNoteText(const CsvRowNote& note, TTeskFuncs::TLangType language)
{
    return MessageUtf8({RowNoteMessages[size_t(note.issue)], {std::to_string(note.line), note.detail}}, language);
}
