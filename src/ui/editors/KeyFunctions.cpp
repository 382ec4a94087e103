#include "ui/editors/KeyFunctions.h"

#include "lang/TextTable.h"

namespace {

struct KeyFunctionEntry {
    uint8_t code;
    TextEntry textEntry;
    bool offeredForLongPress;
};

constexpr KeyFunctionEntry KeyFunctionEntries[] = {
    {0, TextEntry::Unassigned, true},
    {1, TextEntry::DtmfOnOff, true},
    {2, TextEntry::Monitor, false},
    {3, TextEntry::MonitorMomentary, false},
    {4, TextEntry::SquelchOff, false},
    {5, TextEntry::SquelchOffMomentary, false},
    {6, TextEntry::SqlIndicator, true},
    {7, TextEntry::AdjustSql, true},
    {8, TextEntry::Scan, true},
    {9, TextEntry::PriorityChannelScan, true},
    {10, TextEntry::NuisanceChannelTemporaryDelete, true},
    {11, TextEntry::NuisanceChannelDelete, true},
    {12, TextEntry::Talkaround, true},
    {13, TextEntry::ReverseFrequency, true},
    {14, TextEntry::PowerIndicator, true},
    {15, TextEntry::AdjustPower, true},
    {16, TextEntry::VoxOnOff, true},
    {17, TextEntry::BatteryPowerIndicator, true},
    {18, TextEntry::ChannelReport, true},
    {19, TextEntry::ChannelLock, true},
    {20, TextEntry::AutoConnect, true},
    {21, TextEntry::Hold1750Hz, true},
    {22, TextEntry::Whisper, true},
    {23, TextEntry::CallSelect, true},
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
    return text == Tr(TextEntry::MonitorMomentary) || text == Tr(TextEntry::SquelchOffMomentary);
}
