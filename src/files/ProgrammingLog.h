#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "files/FileResult.h"

// The record of a series of writes: which radio, by serial number, got which setup and codes, and
// how it went. A CSV table that only ever grows, one row per radio attempt.

struct ProgrammingLogRow {
    std::string Time;  // local ISO 8601, see LocalIsoTime
    std::string Serial;
    std::string Firmware;
    uint32_t BandMin = 0;  // hertz
    uint32_t BandMax = 0;
    std::string File;  // in full, or UnsavedRecordFile
    std::string RecordSha256;  // hex
    std::string PttId;
    std::string Ani;
    std::string Outcome;  // e.g. "written", "communication failure"
    std::string Verify;   // "" when not verified, else e.g. "match"
    std::string Port;     // the port the radio was on, as the user named it: a COM name or device path
    std::string IdsRow;   // the line of the identity table whose codes the radio got; "" when none
};

// "time,serial,firmware,band_min,band_max,file,record_sha256,ptt_id,ani,outcome,verify,port,ids_row".
// Logs written before the last two columns were kept end their header at "verify": each is
// widened to the full header, its rows with those two fields empty, when the next row comes.
extern const char* const ProgrammingLogHeader;

// The file column when no file holds what was written: "(unsaved)", which no full path reads.
extern const char* const UnsavedRecordFile;

// programming-log.csv in the program's data folder (files/DataFolder.h); empty when no data
// folder is known.
std::string DefaultProgrammingLogPath();

// The local time now with its offset, "2026-12-08T09:30:12+01:00"; UTC is "+00:00", never "Z".
std::string LocalIsoTime();
std::string LocalIsoTime(std::time_t moment);

// One CSV line (no line end) for the row; a field is quoted only when it holds a comma, a quote,
// CR or LF. Bands are megahertz as the channel table writes frequencies. The text fields have
// their control characters escaped ("\x1b") and are written as text for spreadsheets
// (SpreadsheetTextField).
std::string ProgrammingLogLine(const ProgrammingLogRow& row);

// The log as its file holds it: the header, then the lines (ProgrammingLogLine), each ended by
// CR LF as spreadsheets expect; a line kept from before the last columns gets them empty. Where the
// log is not a file (the browser keeps its rows), this is what is handed out.
std::string ProgrammingLogText(const std::vector<std::string>& lines);

// Appends the row: creates the folders (for the user alone, like the log itself), and the header
// when the file is missing or empty, widens a log from before the last columns, mends a missing
// final line end, and writes through AppendFileAtomically (RewriteGrowingFileAtomically when it
// widens), so a crash or a full disk never leaves half a row and a FIFO, device or folder is
// refused untouched. Writers in other processes wait their turn at "<log>.lock" beside
// the log, so none loses another's row.
FileResult AppendProgrammingLogRow(const std::string& path, const ProgrammingLogRow& row);

// What AppendProgrammingLogRow would refuse at `path`, asked before the first radio is written:
// makes the folders as it does, then checks the target as a save would.
FileResult CheckProgrammingLogTarget(const std::string& path);
