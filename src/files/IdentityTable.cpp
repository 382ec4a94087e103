#include "files/IdentityTable.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <map>

#include "files/CsvTable.h"
#include "model/DtmfDigits.h"
#include "model/Password.h"
#include "model/TypingRules.h"
#include "text/PrintableText.h"

namespace {

// In the order of IdentityColumn.
constexpr const char* ColumnTitles[] = {"serial", "slot", "ptt_id", "ani", "password"};
static_assert(std::size(ColumnTitles) == IdentityColumnCount);

// An empty text has its header on its first line, where the missing columns are reported.
constexpr unsigned FirstLine = 1;

std::optional<IdentityColumn> ColumnOfTitle(std::string_view title)
{
    for (size_t c = 0; c < IdentityColumnCount; ++c)
        if (SameCsvWord(title, ColumnTitles[c]))
            return IdentityColumn(c);
    return std::nullopt;
}

// The text a cell stands for.
std::string CellText(std::string_view field) { return TextOfSpreadsheetField(WithoutBlanks(field)); }

// The symbols of a code as the record's DTMF fields hold them, a-d read as their capitals; none
// when a character is no DTMF symbol or the code is longer than the fields.
std::optional<std::string> DtmfCodeOfCell(const std::string& cell)
{
    if (cell.size() > DtmfCodeCapacity)
        return std::nullopt;
    std::string code;
    for (char c : cell) {
        const auto symbol = DtmfCharacter(char32_t(uint8_t(c)));
        if (!symbol)
            return std::nullopt;
        code += char(*symbol);
    }
    return code;
}

// A whole number from 1, in decimal digits only.
std::optional<uint64_t> SlotOfCell(const std::string& cell)
{
    uint64_t slot = 0;
    const char* end = cell.data() + cell.size();
    const auto [stop, error] = std::from_chars(cell.data(), end, slot);
    if (error != std::errc() || stop != end || slot == 0)
        return std::nullopt;
    return slot;
}

// What a header's title makes of the cells below it.
struct HeaderTitle {
    std::optional<IdentityColumn> column;  // none: unknown or given twice, reported with the header
    bool empty = false;                    // its cells must be empty too
};

// A row's cells under the known columns; a column the table lacks reads as empty.
using RowCells = std::array<std::string, IdentityColumnCount>;

// Reads the table a record at a time, keeping the rows and noting every problem of the table.
class TableCheck {
public:
    explicit TableCheck(std::string_view text) : csv_(text, CsvComma, CsvCommentLines::Read) {}

    IdentityTable Read()
    {
        const bool headed = csv_.NextRecord([this](size_t, std::string_view title) { TakeTitle(title); });
        CheckCodeColumns(headed ? csv_.RecordLine() : FirstLine);
        RowCells cells;
        while (csv_.NextRecord([&](size_t index, std::string_view field) { TakeCell(index, field, cells); })) {
            TakeRow(cells);
            cells = RowCells{};
        }
        if (csv_.QuoteLeftOpen())
            Note({csv_.RecordLine(), IdentityProblemKind::QuoteLeftOpen, IdentityColumn::Serial, {}, 0});
        if (!table_.Ok())
            table_.rows.clear();
        return std::move(table_);
    }

private:
    bool Has(IdentityColumn column) const { return has_[size_t(column)]; }
    bool Keyed() const { return Has(IdentityColumn::Serial) || Has(IdentityColumn::Slot); }

    void Note(IdentityProblem problem)
    {
        if (table_.problems.size() < MostIdentityProblems)
            table_.problems.push_back(std::move(problem));
        else
            ++table_.problemsLeftOut;
    }

    void Note(IdentityProblemKind kind, IdentityColumn column = IdentityColumn::Serial, std::string text = {})
    {
        Note({csv_.RecordLine(), kind, column, std::move(text), 0});
    }

    void TakeTitle(std::string_view field)
    {
        const std::string title = WithoutBlanks(field);
        titles_.push_back({std::nullopt, title.empty()});
        if (title.empty())
            return;
        const std::optional<IdentityColumn> column = ColumnOfTitle(title);
        if (!column)
            Note(IdentityProblemKind::UnknownColumn, IdentityColumn::Serial, title);
        else if (Has(*column))
            Note(IdentityProblemKind::DuplicateColumn, *column);
        else
            titles_.back().column = column;
        if (column)
            has_[size_t(*column)] = true;
    }

    void CheckCodeColumns(unsigned headerLine)
    {
        const IdentityColumn codes[] = {IdentityColumn::PttId, IdentityColumn::Ani, IdentityColumn::Password};
        if (std::none_of(std::begin(codes), std::end(codes), [this](IdentityColumn c) { return Has(c); }))
            Note({headerLine, IdentityProblemKind::NoCodeColumn, IdentityColumn::PttId, {}, 0});
    }

    void TakeCell(size_t index, std::string_view field, RowCells& cells)
    {
        if (index >= titles_.size() || titles_[index].empty) {
            if (!WithoutBlanks(field).empty())
                Note(IdentityProblemKind::CellWithoutTitle, IdentityColumn::Serial, CellText(field));
            return;
        }
        if (const auto column = titles_[index].column)
            cells[size_t(*column)] = CellText(field);
    }

    void TakeRow(const RowCells& cells)
    {
        IdentityRow row;
        row.line = csv_.RecordLine();
        TakeKey(row, cells);
        row.pttId = DtmfCode(IdentityColumn::PttId, cells);
        row.ani = DtmfCode(IdentityColumn::Ani, cells);
        row.password = Password(cells);
        // A table with a problem gives no rows, so they need not be kept: a huge bad table costs nothing.
        if (table_.Ok())
            table_.rows.push_back(std::move(row));
    }

    void TakeKey(IdentityRow& row, const RowCells& cells)
    {
        const std::string& serial = cells[size_t(IdentityColumn::Serial)];
        const std::string& slot = cells[size_t(IdentityColumn::Slot)];
        if (!Keyed())
            row.slot = ++rowsRead_;
        else if (!serial.empty() && !slot.empty())
            Note(IdentityProblemKind::BothKeys);
        else if (!serial.empty())
            TakeSerial(row, serial);
        else if (!slot.empty())
            TakeSlot(row, slot);
        else
            Note(IdentityProblemKind::NoKey);
    }

    void TakeSerial(IdentityRow& row, const std::string& cell)
    {
        row.key = IdentityKey::Serial;
        row.serial = PrintableText(cell);
        Once(serialLines_, row.serial, IdentityProblemKind::DuplicateSerial, IdentityColumn::Serial, row.serial);
    }

    void TakeSlot(IdentityRow& row, const std::string& cell)
    {
        const std::optional<uint64_t> slot = SlotOfCell(cell);
        if (!slot) {
            Note(IdentityProblemKind::SlotNotANumber, IdentityColumn::Slot, cell);
            return;
        }
        row.slot = *slot;
        Once(slotLines_, *slot, IdentityProblemKind::DuplicateSlot, IdentityColumn::Slot, std::to_string(*slot));
    }

    // Notes a key that an earlier row already gave.
    template <typename Key>
    void Once(std::map<Key, unsigned>& lines, const Key& key, IdentityProblemKind kind, IdentityColumn column,
              std::string text)
    {
        const auto [at, first] = lines.emplace(key, csv_.RecordLine());
        if (!first)
            Note({csv_.RecordLine(), kind, column, std::move(text), at->second});
    }

    std::optional<std::string> DtmfCode(IdentityColumn column, const RowCells& cells)
    {
        const std::string& cell = cells[size_t(column)];
        if (cell.empty())
            return std::nullopt;
        std::optional<std::string> code = DtmfCodeOfCell(cell);
        if (!code)
            Note(IdentityProblemKind::NotDtmfCode, column, cell);
        return code;
    }

    // The secret is left out of the problem, which a terminal or a log may show.
    std::optional<std::string> Password(const RowCells& cells)
    {
        const std::string& cell = cells[size_t(IdentityColumn::Password)];
        if (cell.empty())
            return std::nullopt;
        if (!IsPasswordText(cell)) {
            Note(IdentityProblemKind::NotPassword, IdentityColumn::Password);
            return std::nullopt;
        }
        return cell;
    }

    CsvReader csv_;
    IdentityTable table_;
    std::vector<HeaderTitle> titles_;
    std::array<bool, IdentityColumnCount> has_{};
    std::map<std::string, unsigned> serialLines_;
    std::map<uint64_t, unsigned> slotLines_;
    uint64_t rowsRead_ = 0;
};

template <typename Match>
const IdentityRow* FindRow(const IdentityTable& table, Match match)
{
    const auto row = std::find_if(table.rows.begin(), table.rows.end(), match);
    return row == table.rows.end() ? nullptr : &*row;
}

}  // namespace

const char* IdentityColumnTitle(IdentityColumn column) { return ColumnTitles[size_t(column)]; }

IdentityTable ReadIdentityTable(std::string_view text) { return TableCheck(text).Read(); }

const IdentityRow* IdentityRowForSerial(const IdentityTable& table, std::string_view serial)
{
    return FindRow(table, [serial](const IdentityRow& row) {
        return row.key == IdentityKey::Serial && !serial.empty() && row.serial == serial;
    });
}

const IdentityRow* IdentityRowForSlot(const IdentityTable& table, uint64_t slot)
{
    return FindRow(table, [slot](const IdentityRow& row) { return row.key == IdentityKey::Slot && row.slot == slot; });
}

const IdentityRow* IdentityRowForRadio(const IdentityTable& table, uint64_t slot, std::string_view serial)
{
    const IdentityRow* bySerial = IdentityRowForSerial(table, serial);
    return bySerial ? bySerial : IdentityRowForSlot(table, slot);
}

void ApplyIdentityRow(const IdentityRow& row, RadioSettings& settings)
{
    if (row.pttId)
        StoreDtmfText(*row.pttId, settings.PttId, DtmfCodeCapacity, settings.PttIdLength);
    if (row.ani)
        StoreDtmfText(*row.ani, settings.Ani, DtmfCodeCapacity, settings.AniLength);
    if (row.password)
        StorePasswordText(settings.Password, *row.password);
}
