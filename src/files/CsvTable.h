#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma-separated text as spreadsheets and radio programming tools write it: fields may be quoted,
// a quoted field may hold the separator, doubled quotes and line breaks. The clipboard's form of
// the same table uses a tab as separator.
constexpr char CsvComma = ',';
constexpr char CsvTab = '\t';
// What the program ends its own lines with: spreadsheets on every system read CR LF.
constexpr const char* CsvLineEnd = "\r\n";

// One record of the text and the line it starts on, counted from 1.
struct CsvRecord {
    unsigned line = 0;
    std::vector<std::string> fields;
};

// Splits the text into records. A leading byte-order mark, blank lines and lines starting with
// "#" are passed over; LF and CR LF both end a line. A quote left open runs to the end.
std::vector<CsvRecord> ParseCsv(std::string_view text, char separator = CsvComma);

// Text pasted from elsewhere may be either form: a header line with tabs between its titles
// makes it the tab-separated one.
char GuessCsvSeparator(std::string_view text);

// One record as a line without its line end; a field holding the separator, a quote or a line
// break is quoted.
std::string FormatCsvRecord(const std::vector<std::string>& fields, char separator = CsvComma);
