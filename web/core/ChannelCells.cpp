#include <emscripten/bind.h>

#include <algorithm>

#include "NamedTexts.h"
#include "PageLanguage.h"
#include "RecordHandle.h"
#include "files/ChannelRowsText.h"
#include "lang/ChannelCells.h"
#include "lang/CsvReportText.h"
#include "lang/TextLookup.h"
#include "lang/Utf8Text.h"
#include "model/ChannelRows.h"

// The channel grid of the page: its cells with their kinds, choices and typing rules, the entry of
// a cell with what became of it, and the row commands with their text on the clipboard. Channels
// are 1..16, columns the grid's 0..11; the page's record is passed first.

using emscripten::val;

namespace {

bool IsCell(unsigned channel, int column)
{
    return channel >= 1 && channel <= ChannelCount && column >= 0 && column < ChannelColumnCount;
}

const char* KindName(ChannelCellKind kind)
{
    switch (kind) {
    case ChannelCellKind::Number:
        return "number";
    case ChannelCellKind::Frequency:
        return "frequency";
    case ChannelCellKind::Tone:
        return "tone";
    case ChannelCellKind::Name:
        return "name";
    case ChannelCellKind::Choice:
        break;
    }
    return "choice";
}

const char* OutcomeName(EntryOutcome outcome)
{
    switch (outcome) {
    case EntryOutcome::Accepted:
        return "accepted";
    case EntryOutcome::SnappedToRaster:
        return "snappedToRaster";
    case EntryOutcome::ClampedToBand:
        return "clampedToBand";
    case EntryOutcome::CharactersDropped:
        return "charactersDropped";
    case EntryOutcome::Refused:
        break;
    }
    return "refused";
}

val TextArray(const std::vector<std::string>& texts)
{
    val array = val::array();
    for (const std::string& text : texts)
        array.call<void>("push", text);
    return array;
}

// The page's list of channels, as the row commands take them: ascending, each once, none beyond
// the grid.
ChannelNumbers ChannelsFrom(const val& list)
{
    ChannelNumbers channels;
    for (unsigned n : emscripten::vecFromJSArray<unsigned>(list))
        if (n >= 1 && n <= ChannelCount)
            channels.push_back(n);
    std::sort(channels.begin(), channels.end());
    channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
    return channels;
}

val Cell(const RecordHandle& record, unsigned channel, int column, int language)
{
    val cell = val::object();
    const bool valid = IsCell(channel, column);
    const auto at = ChannelColumn(column);
    cell.set("kind", valid ? KindName(ChannelCellKindOf(at)) : "number");
    cell.set("editable", valid && CanEditChannelCell(record.Settings(), channel, at));
    cell.set("text", valid ? ChannelCellText(record.Settings(), channel, at, PageLanguage(language)) : "");
    return cell;
}

val GridTexts(const RecordHandle& record, int language)
{
    const TTeskFuncs::TLangType spoken = PageLanguage(language);
    val rows = val::array();
    for (unsigned channel = 1; channel <= ChannelCount; ++channel)
        rows.call<void>("push", TextArray(ChannelRowTexts(record.Settings(), channel, spoken)));
    return rows;
}

val Choices(int column, int language)
{
    if (column < 0 || column >= ChannelColumnCount)
        return val::array();
    return TextArray(ChannelCellChoices(ChannelColumn(column), PageLanguage(language)));
}

std::string Typing(int column, const std::string& typed)
{
    if (column < 0 || column >= ChannelColumnCount)
        return typed;
    return ChannelCellTyping(ChannelColumn(column), typed);
}

val SetCell(RecordHandle& record, unsigned channel, int column, const std::string& text, uint32_t bandMin,
            uint32_t bandMax, int language)
{
    const TTeskFuncs::TLangType spoken = PageLanguage(language);
    ChannelCellEntry entry{EntryOutcome::Refused, text, {}};
    if (IsCell(channel, column))
        entry = EnterChannelCell(record.Settings(), channel, ChannelColumn(column), text, BandLimits{bandMin, bandMax},
                                 spoken);
    val result = val::object();
    result.set("outcome", OutcomeName(entry.outcome));
    result.set("typed", entry.typed);
    result.set("stored", entry.stored);
    result.set("note", IsCell(channel, column) ? ChannelCellNote(channel, ChannelColumn(column), entry, spoken) : "");
    return result;
}

bool StepCell(RecordHandle& record, unsigned channel, int column)
{
    if (!IsCell(channel, column) || !CanEditChannelCell(record.Settings(), channel, ChannelColumn(column)))
        return false;
    return StepChannelCell(record.Settings().Channel[channel], ChannelColumn(column));
}

std::string RowsText(const RecordHandle& record, const val& channels)
{
    return ChannelRowsText(record.Settings(), ChannelsFrom(channels));
}

val PasteRowsText(RecordHandle& record, const std::string& text, unsigned first, uint32_t bandMin, uint32_t bandMax,
                  int language)
{
    const TTeskFuncs::TLangType spoken = PageLanguage(language);
    val report = val::object();
    if (first < 1 || first > ChannelCount)
        first = 1;
    const GridTableWords gridWords = ChannelGridTableWords();
    const ChannelCsvImport outcome =
        PasteChannelRowsText(text, BandLimits{bandMin, bandMax}, first, record.Settings(), &gridWords);
    report.set("refusal", outcome.refused ? MessageUtf8({MessageId::CsvNoFrequencyColumn}, spoken) : "");
    report.set("imported", outcome.imported);
    const std::vector<std::string> lines = outcome.refused ? std::vector<std::string>{}
                                                           : CsvImportReportLines(outcome, spoken);
    report.set("lines", TextArray(lines));
    report.set("summary", MessageUtf8({MessageId::CsvImported, {std::to_string(outcome.imported)}}, spoken));
    return report;
}

void ClearRows(RecordHandle& record, const val& channels)
{
    ClearChannelRows(record.Settings(), ChannelsFrom(channels));
}

bool InsertDropsChannel(const RecordHandle& record) { return InsertDropsUsedChannel(record.Settings()); }

bool InsertRow(RecordHandle& record, unsigned at) { return InsertEmptyChannelRow(record.Settings(), at); }

bool MoveRows(RecordHandle& record, const val& channels, bool up)
{
    const ChannelNumbers rows = ChannelsFrom(channels);
    return up ? MoveChannelRowsUp(record.Settings(), rows) : MoveChannelRowsDown(record.Settings(), rows);
}

// The grid's own words by name: the Edit menu's items, the grid's name, the question before an
// insert pushes a channel in use off the end with its buttons, and a paste the browser refused.
constexpr NamedText NamedGridTexts[] = {
    {"Undo", MessageId::EditUndo},
    {"Redo", MessageId::EditRedo},
    {"Cut", MessageId::EditCut},
    {"Copy", MessageId::EditCopy},
    {"Paste", MessageId::EditPaste},
    {"Delete", MessageId::EditDelete},
    {"InsertRow", MessageId::EditInsertRow},
    {"MoveUp", MessageId::EditMoveUp},
    {"MoveDown", MessageId::EditMoveDown},
    {"DropLastChannel", MessageId::DropLastChannel},
    {"ClipboardRefused", MessageId::ClipboardRefused},
    {"ChannelInformation", TextEntry::ChannelInformation},
    {"Ok", TextEntry::Ok},
    {"Cancel", TextEntry::Cancel},
};

std::string GridText(const std::string& name, int language)
{
    return NamedTextIn(NamedGridTexts, name, PageLanguage(language));
}

}

EMSCRIPTEN_BINDINGS(kr_t27_grid)
{
    using emscripten::function;

    function("channelCell", &Cell);
    function("channelGridTexts", &GridTexts);
    function("channelCellChoices", &Choices);
    function("channelCellTyping", &Typing);
    function("setChannelCell", &SetCell);
    function("stepChannelCell", &StepCell);
    function("channelRowsText", &RowsText);
    function("pasteChannelRowsText", &PasteRowsText);
    function("clearChannelRows", &ClearRows);
    function("insertDropsUsedChannel", &InsertDropsChannel);
    function("insertChannelRow", &InsertRow);
    function("moveChannelRows", &MoveRows);
    function("gridText", &GridText);
}
