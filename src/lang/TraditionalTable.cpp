#include "lang/TraditionalTable.h"

namespace {

// Stand-in until the generated table lands: every code maps onto itself.
constexpr std::array<uint16_t, TraditionalTableSize> IdentityTable()
{
    std::array<uint16_t, TraditionalTableSize> table{};
    for (size_t i = 0; i < TraditionalTableSize; ++i) {
        const auto lead = uint8_t(GbkLeadFirst + i / GbkTrailCount);
        const auto trail = uint8_t(GbkTrailFirst + i % GbkTrailCount);
        table[i] = uint16_t((lead ^ 0x80) | (trail << 8));
    }
    return table;
}

}

const std::array<uint16_t, TraditionalTableSize> TraditionalTable = IdentityTable();
