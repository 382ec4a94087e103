#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/RadioSettings.h"

// Each radio of a series its own codes, from a table the dealer keeps beside the record: a header
// naming any of the columns below (any ASCII case, blanks around a title ignored), then one row
// per radio. A row finds its radio by the serial number the radio reports, or by its slot: its
// place among the radios of the whole job, counted from 1. A table with neither column gives its
// rows to the radios in order, as slots 1, 2, 3... A row giving both keys is refused: it could
// name two radios. An empty code cell keeps the record's value for that radio. Cells are read
// without the blanks around them and without the apostrophe of SpreadsheetTextField, so that
// serials copied from the programming log match. A line starting with "#" is a row like any
// other, since a code may start so.

enum class IdentityColumn : uint8_t { Serial, Slot, PttId, Ani, Password };
constexpr size_t IdentityColumnCount = size_t(IdentityColumn::Password) + 1;

// The column's title in the header: "serial", "slot", "ptt_id", "ani", "password".
const char* IdentityColumnTitle(IdentityColumn column);

// A fleet's table is far smaller; the front ends read the file with this limit (ReadTextFile), so
// that the rows kept stay few.
constexpr size_t IdentityTableFileLimit = 1024 * 1024;

enum class IdentityKey : uint8_t { Serial, Slot };

struct IdentityRow {
    unsigned line = 0;  // the file's line, the header's being 1 when it stands first
    IdentityKey key = IdentityKey::Slot;
    std::string serial;  // key Serial: as the series shows serial numbers, control characters escaped
    uint64_t slot = 0;   // key Slot: from 1, given or the row's place in a table without keys
    // The codes the row gives; DTMF codes with A-D in capitals.
    std::optional<std::string> pttId;
    std::optional<std::string> ani;
    std::optional<std::string> password;
};

// What keeps a table from being used. The interface words each kind in its own language.
enum class IdentityProblemKind : uint8_t {
    UnknownColumn,     // text: the title
    DuplicateColumn,   // column
    NoCodeColumn,      // the header names none of ptt_id, ani and password
    DuplicateSerial,   // text: the serial; earlierLine
    DuplicateSlot,     // text: the slot; earlierLine
    SlotNotANumber,    // text: the cell, which is no whole number from 1
    NoKey,             // the table has a key column, the row gives no key
    BothKeys,          // the row gives a serial and a slot
    NotDtmfCode,       // column (PttId or Ani); text: the cell
    NotPassword,       // the cell is a secret and not kept
    CellWithoutTitle,  // text: a cell beyond the header's titles or under an empty one
    QuoteLeftOpen,     // the rest of the file would read as one cell
};

struct IdentityProblem {
    unsigned line = 0;
    IdentityProblemKind kind = IdentityProblemKind::UnknownColumn;
    IdentityColumn column = IdentityColumn::Serial;  // where the kind names one
    std::string text;          // what the file holds there, as UTF-8
    unsigned earlierLine = 0;  // a duplicate: the line that gave it first
};

// Only the first problems are kept, so that a huge table of bad rows cannot fill the memory with
// its report; the rest are counted.
constexpr size_t MostIdentityProblems = 100;

// The table checked as a whole: either its rows or everything wrong with it, never both.
struct IdentityTable {
    std::vector<IdentityRow> rows;          // in file order; none when there are problems
    std::vector<IdentityProblem> problems;  // in file order
    size_t problemsLeftOut = 0;             // problems beyond MostIdentityProblems
    bool Ok() const { return problems.empty(); }
};

// Reads and checks the whole table before any radio is written. PTT ID and ANI take what the
// record's DTMF code fields hold: at most DtmfCodeCapacity symbols 0-9, A-D (a-d too), * and #;
// the password what the record's password takes (IsPasswordText).
IdentityTable ReadIdentityTable(std::string_view text);

// The row of the radio reporting `serial`, given as the series shows it (RadioFieldText of the
// radio's DeviceSn); none for an empty serial.
const IdentityRow* IdentityRowForSerial(const IdentityTable& table, std::string_view serial);

// The row keyed by the job's `slot`-th radio, from 1.
const IdentityRow* IdentityRowForSlot(const IdentityTable& table, uint64_t slot);

// The row that applies to the job's `slot`-th radio reporting `serial`: its serial's row, which
// names that very radio, else its slot's row; none when the table has neither.
const IdentityRow* IdentityRowForRadio(const IdentityTable& table, uint64_t slot, std::string_view serial);

// Puts the codes the row gives into the radio's copy of the record; the other fields keep theirs.
void ApplyIdentityRow(const IdentityRow& row, RadioSettings& settings);
