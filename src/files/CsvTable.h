#pragma once

#include <functional>
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

// Whether a line starting with "#" is a comment. A table whose first column may hold a DTMF code
// reads it as a row, so that a code such as "#12" is never passed over without a word.
enum class CsvCommentLines { Skipped, Read };

// Reads the text one record at a time, handing over one field at a time, so that a reader that
// keeps only some columns of a large table holds no more than those. A leading byte-order mark,
// blank lines and (unless asked otherwise) lines starting with "#" are passed over; LF and CR LF
// both end a line. A quote left open runs to the end.
class CsvReader {
public:
    // The field's column, counted from 0, and its text; the text lives until the next field.
    using FieldSink = std::function<void(size_t column, std::string_view field)>;

    CsvReader(std::string_view text, char separator = CsvComma, CsvCommentLines comments = CsvCommentLines::Skipped);

    // Hands every field of the next record to `take`; false at the end of the text.
    bool NextRecord(const FieldSink& take);

    // The line the last record started on, counted from 1.
    unsigned RecordLine() const { return recordLine_; }
    // Whether the last record ended inside a quoted field, taking the rest of the text into it.
    bool QuoteLeftOpen() const { return quoteLeftOpen_; }

private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    bool AtLineToSkip() const;
    char Next() const { return pos_ + 1 < text_.size() ? text_[pos_ + 1] : '\0'; }
    void SkipLine();
    void EndLine();
    void QuotedField();

    std::string_view text_;
    char separator_;
    CsvCommentLines comments_;
    size_t pos_ = 0;
    unsigned line_ = 1;
    unsigned recordLine_ = 0;
    std::string field_;
    bool quoteLeftOpen_ = false;
};

// Text pasted from elsewhere may be either form: a header line with tabs between its titles
// makes it the tab-separated one.
char GuessCsvSeparator(std::string_view text);

// One record as a line without its line end; a field holding the separator, a quote or a line
// break is quoted.
std::string FormatCsvRecord(const std::vector<std::string>& fields, char separator = CsvComma);

// A text field (a name, a path, what a radio reports) that a spreadsheet would take for a formula,
// because it starts with "=", "+", "-", "@", a tab or CR, is written with an apostrophe before it:
// spreadsheets read that as "this is text" and do not show it. So is one that only looks so
// written (apostrophes before such a start), so that TextOfSpreadsheetField gives every text back
// exactly. Numbers and the fixed words of a column are written as they are.
std::string SpreadsheetTextField(std::string_view text);

// The text a field stands for: the field without the apostrophe SpreadsheetTextField put before
// it. A field written without one reads as it stands.
std::string TextOfSpreadsheetField(std::string_view field);

// A field without the blanks (spaces and tabs) around it, which a table's readers pass over.
std::string WithoutBlanks(std::string_view field);

// Titles and the fixed words of a column are the same in any ASCII case.
bool SameCsvWord(std::string_view a, std::string_view b);
