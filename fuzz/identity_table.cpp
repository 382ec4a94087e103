// Reading any text as a table of the radios' own codes: it gives rows or problems, never both;
// every problem has a line, in file order; every row has one key no other row of its kind has,
// is found by it, and puts exactly its codes into a record.
//
// Input: the table's text.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "files/IdentityTable.h"
#include "model/DtmfDigits.h"
#include "model/Password.h"

namespace {

void CheckProblems(const IdentityTable& table)
{
    FUZZ_REQUIRE(table.rows.empty());
    FUZZ_REQUIRE(table.problems.size() <= MostIdentityProblems);
    FUZZ_REQUIRE(table.problemsLeftOut == 0 || table.problems.size() == MostIdentityProblems);
    unsigned line = 1;
    for (const IdentityProblem& problem : table.problems) {
        FUZZ_REQUIRE(problem.line >= line);
        FUZZ_REQUIRE(problem.earlierLine < problem.line);
        line = problem.line;
    }
}

void CheckCodesApplied(const IdentityRow& row)
{
    RadioSettings settings{};
    ApplyIdentityRow(row, settings);
    FUZZ_REQUIRE(DtmfText(settings.PttId, DtmfCodeCapacity, settings.PttIdLength) == row.pttId.value_or(""));
    FUZZ_REQUIRE(DtmfText(settings.Ani, DtmfCodeCapacity, settings.AniLength) == row.ani.value_or(""));
    const std::string password = row.password.value_or("");
    FUZZ_REQUIRE(!row.password || (!password.empty() && IsPasswordText(password)));
    FUZZ_REQUIRE(PasswordLength(settings.Password) == password.size());
    FUZZ_REQUIRE(std::memcmp(settings.Password, password.data(), password.size()) == 0);
}

void CheckRows(const IdentityTable& table)
{
    unsigned line = 0;
    for (const IdentityRow& row : table.rows) {
        FUZZ_REQUIRE(row.line > line);
        line = row.line;
        if (row.key == IdentityKey::Serial)
            FUZZ_REQUIRE(!row.serial.empty() && IdentityRowForSerial(table, row.serial) == &row);
        else
            FUZZ_REQUIRE(row.slot >= 1 && IdentityRowForSlot(table, row.slot) == &row);
        CheckCodesApplied(row);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const IdentityTable table = ReadIdentityTable(std::string_view(reinterpret_cast<const char*>(data), size));
    if (table.Ok())
        CheckRows(table);
    else
        CheckProblems(table);
    return 0;
}
