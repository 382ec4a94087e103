#include "ui/editors/KeyFunctions.h"

#include "lang/TextTable.h"

namespace {

struct KeyFunctionEntry {
    uint8_t code;
    int textEntry;
    bool offeredForLongPress;
};

constexpr int MonitorMomentaryEntry = 179;
constexpr int SquelchOffMomentaryEntry = 181;

constexpr KeyFunctionEntry KeyFunctionEntries[] = {
    {0, 182, true},   {1, 132, true},   {2, 178, false},  {3, MonitorMomentaryEntry, false},
    {4, 180, false},  {5, SquelchOffMomentaryEntry, false}, {6, 183, true}, {7, 184, true},
    {8, 185, true},   {9, 186, true},   {10, 187, true},  {11, 188, true},
    {12, 189, true},  {13, 190, true},  {14, 191, true},  {15, 192, true},
    {16, 193, true},  {17, 194, true},  {18, 195, true},  {19, 196, true},
    {20, 221, true},  {21, 53, true},   {22, 67, true},   {23, 239, true},
};

KeyFunctionTable FunctionsOffered(bool longPress)
{
    KeyFunctionTable table;
    for (const KeyFunctionEntry& entry : KeyFunctionEntries)
        if (!longPress || entry.offeredForLongPress)
            table.push_back({entry.code, Tr(entry.textEntry)});
    return table;
}

}

KeyFunctionTable ShortPressFunctions() { return FunctionsOffered(false); }

KeyFunctionTable LongPressFunctions() { return FunctionsOffered(true); }

std::optional<uint8_t> FunctionCodeOfText(const KeyFunctionTable& table, const QString& text)
{
    for (const KeyFunction& function : table)
        if (function.text == text)
            return function.code;
    return std::nullopt;
}

int IndexOfFunctionCode(const KeyFunctionTable& table, uint8_t code)
{
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].code == code)
            return int(i);
    return -1;
}

bool IsMomentaryFunctionText(const QString& text)
{
    return text == Tr(MonitorMomentaryEntry) || text == Tr(SquelchOffMomentaryEntry);
}
