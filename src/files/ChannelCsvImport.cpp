#include "files/ChannelCsv.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <utility>

#include "files/ChannelCsvFormat.h"
#include "files/ChannelGridRow.h"
#include "files/CsvTones.h"
#include "files/MegahertzText.h"
#include "model/ChannelFields.h"
#include "model/ChannelRules.h"
#include "model/Frequency.h"
#include "text/GbkEncoding.h"

namespace {

// Blanks a field may end with; a table field would not keep them.
constexpr const char* Blanks = " \t";

// A row of the table as far as it is read: the known columns only, as they stand in the file.
// A table in the grid's form keeps its cells, which become the exchanged table's fields.
struct CsvRow {
    unsigned line = 0;
    std::array<std::string, CsvColumnCount> fields;
    std::array<std::string, GridColumnCount> cells;
};

// What the header makes of the table: the exchanged table, the grid's titles, or no header at all
// but a lone frequency, the first of a column of them.
enum class TableForm { Unknown, Exchange, Grid, FrequencyList };

// Where each known column stands in the table; a column the table lacks reads as empty.
class ColumnMap {
public:
    explicit ColumnMap(const GridTableWords* gridWords) : gridWords_(gridWords) {}

    // Takes the header's fields one at a time; the first column of a title counts.
    void Title(size_t index, std::string_view title)
    {
        const std::string word = WithoutBlanks(std::string(title));
        for (size_t c = 0; c < CsvColumnCount; ++c) {
            if (!index_[c] && SameCsvWord(word, CsvColumnNames[c])) {
                index_[c] = index;
                known_.push_back({index, CsvColumn(c)});
            }
        }
        if (const auto column = gridWords_ ? GridColumnOfTitle(*gridWords_, word) : std::nullopt)
            gridKnown_.push_back({index, *column});
        if (index == 0)
            firstTitle_ = word;
        titleCount_ = index + 1;
    }

    // After the header: the exchanged table's titles win over the grid's.
    TableForm Settle()
    {
        const bool gridReceive = std::any_of(gridKnown_.begin(), gridKnown_.end(),
                                             [](const auto& known) { return known.second == GridColumn::RxFreq; });
        if (Has(ColFrequency))
            form_ = TableForm::Exchange;
        else if (gridReceive)
            form_ = TableForm::Grid;
        else if (titleCount_ == 1 && !firstTitle_.empty() && ParseMegahertz(firstTitle_))
            form_ = TableForm::FrequencyList;
        if (form_ != TableForm::Grid)
            gridKnown_.clear();
        if (form_ == TableForm::FrequencyList) {
            index_[ColFrequency] = 0;
            known_ = {{0, ColFrequency}};
        }
        return form_;
    }

    // A list of frequencies has its first one where the header would be.
    const std::string& FirstTitle() const { return firstTitle_; }

    // In the grid's form every field comes from the cells, the columns the grid lacks included.
    bool Has(CsvColumn column) const { return form_ == TableForm::Grid || index_[column].has_value(); }

    // Keeps the field when it stands in a known column.
    void Keep(size_t index, std::string_view field, CsvRow& row) const
    {
        for (const auto& [at, column] : known_)
            if (at == index)
                row.fields[column] = field;
        for (const auto& [at, column] : gridKnown_)
            if (at == index)
                row.cells[size_t(column)] = field;
    }

    // A row in the grid's form gets its fields from its cells; what they left out is noted.
    std::vector<CsvRowNote> Complete(CsvRow& row) const
    {
        if (form_ != TableForm::Grid)
            return {};
        GridRowFields grid = ExchangeFieldsOfGridRow(row.cells, *gridWords_);
        row.fields = std::move(grid.fields);
        std::vector<CsvRowNote> notes;
        for (auto& [issue, detail] : grid.notes)
            notes.push_back({row.line, issue, std::move(detail)});
        return notes;
    }

    // The field without blanks around it, as the text it stands for.
    static std::string Field(const CsvRow& row, CsvColumn column)
    {
        return TextOfSpreadsheetField(WithoutBlanks(row.fields[column]));
    }

private:
    const GridTableWords* gridWords_;
    std::array<std::optional<size_t>, CsvColumnCount> index_;
    std::vector<std::pair<size_t, CsvColumn>> known_;
    std::vector<std::pair<size_t, GridColumn>> gridKnown_;
    std::string firstTitle_;
    size_t titleCount_ = 0;
    TableForm form_ = TableForm::Unknown;
};

template <size_t N>
std::optional<uint8_t> IndexOfText(const char* const (&texts)[N], const std::string& text)
{
    for (size_t i = 0; i < N; ++i)
        if (SameCsvWord(text, texts[i]))
            return uint8_t(i);
    return std::nullopt;
}

// Whole characters only: one that would not fit ends the name. A cut can leave a blank at the
// end, which a table field would not keep; a blank is never part of a two-byte GBK character.
FittedGbk FitName(const std::string& utf8)
{
    FittedGbk name = FitToGbk(utf8, NameCapacity);
    if (name.cut)
        name.gbk.erase(name.gbk.find_last_not_of(Blanks) + 1);
    return name;
}

// Watts are read with the same exact decimal reading as megahertz, in millionths.
std::optional<double> WattsOf(std::string text)
{
    if (!text.empty() && (text.back() == 'W' || text.back() == 'w'))
        text.pop_back();
    const auto micro = ParseMegahertz(text);
    if (text.empty() || !micro)
        return std::nullopt;
    constexpr double MicroPerUnit = 1e6;
    return *micro / MicroPerUnit;
}

// The nearest of the three levels, a tie going to the higher one.
uint8_t PowerOfWatts(double watts)
{
    if (watts >= HighMidBoundaryWatts)
        return PowerHigh;
    return watts >= MidLowBoundaryWatts ? PowerMid : PowerLow;
}

// What a row asks of a channel, read and checked before any channel is given to it.
struct CsvChannel {
    uint32_t rx = 0;
    uint32_t tx = 0;
    ChannelTones tones;
    bool wide = true;
    uint8_t power = PowerHigh;
    bool scanAdd = true;
    uint8_t busyLock = BusyOff;
    bool dtmf = false;
    std::optional<uint8_t> squelchMode;
    std::string name;
};

class RowReader {
public:
    RowReader(const ColumnMap& columns, const CsvRow& row, const BandLimits& band, std::vector<CsvRowNote> notes)
        : columns_(columns), row_(row), band_(band), notes_(std::move(notes))
    {
    }

    // The channel, or nothing with the one note that says why the row is left out.
    std::optional<CsvChannel> Read()
    {
        CsvChannel ch;
        if (!Frequencies(ch) || !Mode(ch))
            return std::nullopt;
        Tones(ch);
        Choices(ch);
        Name(ch);
        return ch;
    }

    const std::vector<CsvRowNote>& Notes() const { return notes_; }

private:
    std::string Field(CsvColumn column) const { return ColumnMap::Field(row_, column); }
    std::string Named(CsvColumn column) const { return std::string(CsvColumnNames[column]) + "=" + Field(column); }

    void Note(CsvRowIssue issue, std::string detail) { notes_.push_back({row_.line, issue, std::move(detail)}); }

    bool LeaveOut(CsvRowIssue issue, std::string detail)
    {
        notes_.clear();
        Note(issue, std::move(detail));
        return false;
    }

    bool InBand(uint32_t hz) const { return hz >= band_.BandMin && hz <= band_.BandMax; }

    std::optional<uint32_t> TransmitFrequency(uint32_t rx)
    {
        const std::string duplex = Field(ColDuplex);
        if (SameCsvWord(duplex, DuplexOff))
            return 0u;
        if (duplex.empty())
            return rx;
        const bool plus = duplex == DuplexPlus;
        const bool minus = duplex == DuplexMinus;
        const bool split = SameCsvWord(duplex, DuplexSplit);
        if (!plus && !minus && !split) {
            Note(CsvRowIssue::ValueIgnored, Named(ColDuplex));
            return rx;
        }
        const auto offset = ParseMegahertz(Field(ColOffset));
        if (!offset || (minus && *offset > rx) || (plus && uint64_t(rx) + *offset > UINT32_MAX))
            return std::nullopt;
        return split ? *offset : plus ? rx + *offset : rx - *offset;
    }

    bool Frequencies(CsvChannel& ch)
    {
        const std::string text = Field(ColFrequency);
        const auto rx = text.empty() ? std::nullopt : ParseMegahertz(text);
        if (!rx)
            return LeaveOut(CsvRowIssue::BadFrequency, Named(ColFrequency));
        const auto tx = TransmitFrequency(*rx);
        if (!tx)
            return LeaveOut(CsvRowIssue::BadFrequency, Named(ColDuplex) + ", " + Named(ColOffset));
        for (uint32_t hz : {*rx, *tx})
            if (hz != 0 && !InBand(hz))
                return LeaveOut(CsvRowIssue::OutsideBand, MegahertzText(hz));
        if (*rx == 0)
            return LeaveOut(CsvRowIssue::OutsideBand, MegahertzText(0));
        ch.rx = Snapped(*rx);
        // A simplex row has one frequency, so one note.
        ch.tx = *tx == 0 ? 0 : *tx == *rx ? ch.rx : Snapped(*tx);
        return true;
    }

    uint32_t Snapped(uint32_t hz)
    {
        const uint32_t snapped = SnapFrequencyInBand(hz, band_);
        if (snapped != hz)
            Note(CsvRowIssue::FrequencyRounded, MegahertzText(hz) + " -> " + MegahertzText(snapped));
        return snapped;
    }

    bool Mode(CsvChannel& ch)
    {
        const std::string mode = Field(ColMode);
        if (mode.empty())
            return true;
        if (!SameCsvWord(mode, ModeWide) && !SameCsvWord(mode, ModeNarrow))
            return LeaveOut(CsvRowIssue::ModeNotFm, mode);
        ch.wide = SameCsvWord(mode, ModeWide);
        return true;
    }

    void Tones(CsvChannel& ch)
    {
        CsvToneColumns columns;
        columns.tone = Field(ColTone);
        const std::pair<CsvColumn, std::string*> given[] = {
            {ColRToneFreq, &columns.rToneFreq},   {ColCToneFreq, &columns.cToneFreq},
            {ColDtcsCode, &columns.dtcsCode},     {ColDtcsPolarity, &columns.dtcsPolarity},
            {ColRxDtcsCode, &columns.rxDtcsCode}, {ColCrossMode, &columns.crossMode},
        };
        for (const auto& [column, value] : given)
            if (columns_.Has(column))
                *value = Field(column);
        const CsvToneReading reading = TonesOf(columns);
        if (reading.issue)
            Note(*reading.issue, reading.detail);
        ch.tones = reading.tones;
    }

    template <size_t N>
    std::optional<uint8_t> Choice(CsvColumn column, const char* const (&texts)[N])
    {
        const std::string text = Field(column);
        if (text.empty())
            return std::nullopt;
        const auto index = IndexOfText(texts, text);
        if (!index)
            Note(CsvRowIssue::ValueIgnored, Named(column));
        return index;
    }

    void Choices(CsvChannel& ch)
    {
        const std::string skip = Field(ColSkip);
        if (SameCsvWord(skip, SkipScan))
            ch.scanAdd = false;
        else if (!skip.empty() && !SameCsvWord(skip, SkipPriority))
            Note(CsvRowIssue::ValueIgnored, Named(ColSkip));

        if (const std::string power = Field(ColPower); !power.empty()) {
            if (const auto watts = WattsOf(power))
                ch.power = PowerOfWatts(*watts);
            else
                Note(CsvRowIssue::ValueIgnored, Named(ColPower));
        }
        ch.busyLock = Choice(ColBusyLock, BusyLockTexts).value_or(BusyOff);
        constexpr const char* DtmfTexts[] = {DtmfOffText, DtmfOnText};
        ch.dtmf = Choice(ColDtmf, DtmfTexts).value_or(0) != 0;
        ch.squelchMode = Choice(ColSquelchMode, SquelchModeTexts);
    }

    void Name(CsvChannel& ch)
    {
        const FittedGbk name = FitName(Field(ColName));
        ch.name = name.gbk;
        const std::string kept = GbkToUtf8(name.gbk);
        const std::string& given = row_.fields[ColName];
        if (WithoutBlanks(given) != given)
            Note(CsvRowIssue::NameTrimmed, kept);
        if (name.cut)
            Note(CsvRowIssue::NameCut, kept);
        if (name.replaced)
            Note(CsvRowIssue::NameCharactersReplaced, kept);
    }

    const ColumnMap& columns_;
    const CsvRow& row_;
    const BandLimits& band_;
    std::vector<CsvRowNote> notes_;
};

void StoreChannel(const CsvChannel& ch, ChannelRecord& record)
{
    record.RxFreq = ch.rx;
    FillNewChannel(record);
    record.TxFreq = ch.tx;
    record.EncType = ch.tones.encType;
    record.EncCode = ch.tones.encCode;
    record.DecType = ch.tones.decType;
    record.DecCode = ch.tones.decCode;
    record.SetBandwidth(ch.wide);
    record.SetPower(ch.power);
    record.SetScanAdd(ch.scanAdd);
    record.SetBusyLock(ch.busyLock);
    record.SetDtmf(ch.dtmf);
    const bool receiveTone = ch.tones.decType != ToneNone;
    record.SetChSquelchMode(ch.squelchMode.value_or(receiveTone ? SquelchTone : SquelchCarrier));
    std::memset(record.Name, 0, NameCapacity);
    std::memcpy(record.Name, ch.name.data(), std::min(ch.name.size(), NameCapacity));
}

std::optional<unsigned> ChannelNumberOf(const std::string& text)
{
    constexpr size_t MostDigits = 2;
    if (text.empty() || text.size() > MostDigits || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const auto number = unsigned(std::stoul(text));
    return number >= 1 && number <= ChannelCount ? std::optional<unsigned>(number) : std::nullopt;
}

// The channel a taken row goes to: the next free place in file order, or the row's own Location.
class ChannelPlacer {
public:
    explicit ChannelPlacer(const ChannelCsvImportOptions& options) : options_(options), next_(options.firstChannel) {}

    std::optional<unsigned> Place(const std::string& location, std::optional<CsvRowIssue>& whyNot)
    {
        if (options_.keepLocations) {
            const auto number = ChannelNumberOf(location);
            if (!number)
                whyNot = CsvRowIssue::LocationNotAChannel;
            return number;
        }
        if (next_ > ChannelCount) {
            whyNot = CsvRowIssue::NoChannelLeft;
            return std::nullopt;
        }
        return next_++;
    }

private:
    const ChannelCsvImportOptions& options_;
    unsigned next_;
};

void AddNote(ChannelCsvImport& outcome, const CsvRowNote& note)
{
    if (outcome.notes.size() < MostCsvRowNotes)
        outcome.notes.push_back(note);
    else
        ++outcome.notesLeftOut;
}

// Reads one row into the next channel of `result`, or leaves it out, noting why.
void TakeRow(const ColumnMap& columns, CsvRow& row, const BandLimits& band, ChannelPlacer& placer,
             RadioSettings& result, ChannelCsvImport& outcome)
{
    RowReader reader(columns, row, band, columns.Complete(row));
    const std::optional<CsvChannel> channel = reader.Read();
    std::optional<CsvRowIssue> whyNot;
    const std::string location = ColumnMap::Field(row, ColLocation);
    const std::optional<unsigned> number = channel ? placer.Place(location, whyNot) : std::nullopt;
    if (!number && whyNot) {
        AddNote(outcome, {row.line, *whyNot, location});
        return;
    }
    for (const CsvRowNote& note : reader.Notes())
        AddNote(outcome, note);
    if (!number)
        return;
    StoreChannel(*channel, result.Channel[*number]);
    result.SetChannelUsed(*number, true);
    ++outcome.imported;
}

}

ChannelCsvImport ImportChannelCsv(std::string_view text, const ChannelCsvImportOptions& options, RadioSettings& settings)
{
    ChannelCsvImport outcome;
    CsvReader reader(text, options.separator);
    ColumnMap columns(options.gridWords);
    reader.NextRecord([&columns](size_t index, std::string_view title) { columns.Title(index, title); });
    const TableForm form = columns.Settle();
    if (form == TableForm::Unknown) {
        outcome.refused = true;
        return outcome;
    }
    RadioSettings result = settings;
    ChannelPlacer placer(options);
    CsvRow row;
    if (form == TableForm::FrequencyList) {
        row.line = reader.RecordLine();
        row.fields[ColFrequency] = columns.FirstTitle();
        TakeRow(columns, row, options.band, placer, result, outcome);
        row = CsvRow{};
    }
    while (reader.NextRecord([&](size_t index, std::string_view field) { columns.Keep(index, field, row); })) {
        row.line = reader.RecordLine();
        TakeRow(columns, row, options.band, placer, result, outcome);
        row = CsvRow{};
    }
    settings = result;
    return outcome;
}
