#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Why a row of an imported channel table was left out or taken with a change. The interface
// words each kind in its own language; `detail` is what the row held, as UTF-8.
enum class CsvRowIssue : uint8_t {
    // The row was left out:
    NoChannelLeft,        // every channel up to the last one is taken
    LocationNotAChannel,  // the row's Location is no channel number; detail: the Location
    BadFrequency,         // a frequency that is no number; detail: column=value
    OutsideBand,          // receive or transmit frequency outside the band; detail: MHz
    ModeNotFm,            // a mode other than FM and NFM; detail: the mode
    // The row was taken with a change:
    ReverseToneDropped,   // reverse squelch, which the radio lacks; detail: the tone mode
    ToneDropped,          // tones this radio cannot hold or that are no tones; detail: column=value
    FrequencyRounded,     // onto the 5 or 6.25 kHz raster; detail: "old -> new" in MHz
    NameTrimmed,          // blanks before or after it removed; detail: the name as kept
    NameCut,              // cut to what the record holds; detail: the name as kept
    NameCharactersReplaced,  // characters or bytes without GBK form became "?"; detail: the name as kept
    ValueIgnored,         // a value with no setting of its own; detail: column=value
};

struct CsvRowNote {
    unsigned line = 0;
    CsvRowIssue issue = CsvRowIssue::NoChannelLeft;
    std::string detail;
};

// The outcome of an import. A refused table changed nothing. Only the first notes are kept, so
// that a huge table of bad rows cannot fill the memory with its report; the rest are counted.
constexpr size_t MostCsvRowNotes = 1000;
struct ChannelCsvImport {
    bool refused = false;  // the table has no Frequency column
    unsigned imported = 0;
    std::vector<CsvRowNote> notes;
    size_t notesLeftOut = 0;  // notes beyond MostCsvRowNotes
};

// A used channel whose name bytes are no GBK text: it was exported with "?" for each byte that
// starts no character; `written` is the name as the table holds it.
struct CsvNameNote {
    unsigned channel = 0;
    std::string written;
};

// An exported table and what the export could not write as the record holds it.
struct ChannelCsvExport {
    std::string text;
    std::vector<CsvNameNote> notes;
};
