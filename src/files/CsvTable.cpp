#include "files/CsvTable.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr char Quote = '"';
constexpr char CommentMark = '#';
constexpr char TextMark = '\'';
constexpr std::string_view FormulaStarts = "=+-@\t\r";

bool NeedsQuotes(const std::string& field, char separator)
{
    return field.find_first_of(std::string{separator, Quote, '\r', '\n'}) != std::string::npos;
}

// Starts like a formula once any apostrophes before it are taken away.
bool NeedsTextMark(std::string_view text)
{
    const size_t start = text.find_first_not_of(TextMark);
    return start != std::string_view::npos && FormulaStarts.find(text[start]) != std::string_view::npos;
}

}

CsvReader::CsvReader(std::string_view text, char separator, CsvCommentLines comments)
    : text_(text), separator_(separator), comments_(comments)
{
    if (text_.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        text_.remove_prefix(ByteOrderMark.size());
}

bool CsvReader::AtLineToSkip() const
{
    const char c = text_[pos_];
    return c == '\n' || c == '\r' || (c == CommentMark && comments_ == CsvCommentLines::Skipped);
}

void CsvReader::SkipLine()
{
    while (!AtEnd() && text_[pos_] != '\n')
        ++pos_;
    EndLine();
}

void CsvReader::EndLine()
{
    if (!AtEnd()) {
        ++pos_;
        ++line_;
    }
}

bool CsvReader::NextRecord(const FieldSink& take)
{
    while (!AtEnd() && AtLineToSkip())
        SkipLine();
    if (AtEnd())
        return false;
    recordLine_ = line_;
    size_t column = 0;
    field_.clear();
    while (!AtEnd()) {
        const char c = text_[pos_];
        if (c == '\n' || (c == '\r' && Next() == '\n')) {
            SkipLine();
            break;
        }
        ++pos_;
        if (c == separator_) {
            take(column++, field_);
            field_.clear();
        } else if (c == Quote && field_.empty()) {
            QuotedField();
        } else {
            field_ += c;
        }
    }
    take(column, field_);
    return true;
}

// After the opening quote, up to the closing one; what follows it up to the separator is kept as
// it stands, as the usual readers do.
void CsvReader::QuotedField()
{
    while (!AtEnd()) {
        const char c = text_[pos_++];
        if (c == '\n')
            ++line_;
        if (c != Quote) {
            field_ += c;
            continue;
        }
        if (AtEnd() || text_[pos_] != Quote)
            return;
        field_ += Quote;
        ++pos_;
    }
    quoteLeftOpen_ = true;
}

char GuessCsvSeparator(std::string_view text)
{
    CsvReader reader(text, CsvTab);
    size_t columns = 0;
    reader.NextRecord([&columns](size_t, std::string_view) { ++columns; });
    return columns > 1 ? CsvTab : CsvComma;
}

std::string FormatCsvRecord(const std::vector<std::string>& fields, char separator)
{
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += separator;
        if (!NeedsQuotes(fields[i], separator)) {
            line += fields[i];
            continue;
        }
        line += Quote;
        for (char c : fields[i]) {
            if (c == Quote)
                line += Quote;
            line += c;
        }
        line += Quote;
    }
    return line;
}

std::string SpreadsheetTextField(std::string_view text)
{
    return NeedsTextMark(text) ? TextMark + std::string(text) : std::string(text);
}

std::string TextOfSpreadsheetField(std::string_view field)
{
    const bool marked = !field.empty() && field.front() == TextMark && NeedsTextMark(field.substr(1));
    return std::string(marked ? field.substr(1) : field);
}

std::string WithoutBlanks(std::string_view field)
{
    constexpr const char* Blanks = " \t";
    const size_t first = field.find_first_not_of(Blanks);
    const size_t last = field.find_last_not_of(Blanks);
    return first == std::string_view::npos ? std::string() : std::string(field.substr(first, last - first + 1));
}

bool SameCsvWord(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(uint8_t(x)) == std::tolower(uint8_t(y));
           });
}
