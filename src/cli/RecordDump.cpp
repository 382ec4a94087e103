#include "cli/RecordDump.h"

#include <algorithm>
#include <cstdio>

#include "lang/ChannelTexts.h"
#include "lang/RecordText.h"
#include "model/DtmfDigits.h"
#include "model/OptionTable.h"
#include "text/PrintableText.h"
#include "text/Utf8.h"

namespace {

using Row = std::vector<std::string>;

constexpr char32_t FirstWideCharacter = 0x1100;
constexpr size_t ColumnGap = 2;

// Terminal columns a text takes: wide (East Asian) characters take two.
size_t DisplayWidth(const std::string& text)
{
    size_t width = 0;
    for (char32_t c : Utf8Characters(text))
        width += c >= FirstWideCharacter ? 2 : 1;
    return width;
}

// What the radio reported of itself, which a terminal must not take for control sequences.
std::string RadioText(const uint8_t* bytes, size_t size) { return PrintableText(RecordTextUtf8(bytes, size)); }

std::string TrimmedEnd(std::string text)
{
    text.erase(text.find_last_not_of(" \t\n\v\f\r") + 1);
    return text;
}

// A channel not in use shows its number only: its empty cells vanish when the row is trimmed.
std::string RowLine(const Row& cells, const std::vector<size_t>& widths)
{
    std::string row;
    for (size_t i = 0; i < cells.size(); ++i)
        row += cells[i] + std::string(widths[i] - DisplayWidth(cells[i]) + ColumnGap, ' ');
    return TrimmedEnd(row) + '\n';
}

std::string ChannelTable(const RadioSettings& s, TTeskFuncs::TLangType language)
{
    std::vector<Row> rows{ChannelColumnTitles(language)};
    for (unsigned i = 1; i <= ChannelCount; ++i)
        rows.push_back(ChannelRowTexts(s, i, language));
    std::vector<size_t> widths(rows.front().size(), 0);
    for (const Row& r : rows)
        for (size_t i = 0; i < r.size(); ++i)
            widths[i] = std::max(widths[i], DisplayWidth(r[i]));
    std::string table;
    for (const Row& r : rows)
        table += RowLine(r, widths);
    return table;
}

std::string EntryLine(unsigned k, const AddressBookEntry& e)
{
    char number[8];
    std::snprintf(number, sizeof number, "%2u", k);
    return std::string("  ") + number + "  " + RecordTextUtf8(e.EntryName, NameCapacity) + "  " +
           DtmfText(e.Id, AddrBookIdCapacity, e.IdLength) + '\n';
}

}

std::string DumpRecordText(const RadioSettings& s, TTeskFuncs::TLangType language)
{
    std::string out = "Channels\n" + ChannelTable(s, language);
    out += "\nOptions\n";
    for (const OptionField& f : OptionFields())
        out += std::string("  ") + f.name + ": " + std::to_string(f.Get(s)) + '\n';
    out += "\nDTMF codes\n";
    for (const DtmfCodeField& f : DtmfCodeFields())
        out += std::string("  ") + f.name + ": " + f.Text(s) + '\n';
    out += "\nAddress book\n";
    for (unsigned k = 1; k <= AddrBookEntryCount; ++k)
        if (s.IsAddrBookEntryUsed(k))
            out += EntryLine(k, s.Entry(k));
    out += "\nRadio\n";
    out += "  DeviceSn: " + RadioText(s.DeviceSn, DeviceSnSize) + '\n';
    out += "  SoftwareVersion: " + RadioText(s.SoftwareVersion, SoftwareVersionFieldSize) + '\n';
    return out;
}
