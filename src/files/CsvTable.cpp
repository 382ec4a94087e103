#include "files/CsvTable.h"

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr char Quote = '"';
constexpr char CommentMark = '#';

// Walks the text one record at a time, counting lines as it goes.
class CsvReader {
public:
    CsvReader(std::string_view text, char separator) : text_(text), separator_(separator)
    {
        if (text_.substr(0, ByteOrderMark.size()) == ByteOrderMark)
            text_.remove_prefix(ByteOrderMark.size());
    }

    bool AtEnd() const { return pos_ >= text_.size(); }
    unsigned Line() const { return line_; }

    bool AtLineToSkip() const
    {
        const char c = text_[pos_];
        return c == '\n' || c == '\r' || c == CommentMark;
    }

    void SkipLine()
    {
        while (!AtEnd() && text_[pos_] != '\n')
            ++pos_;
        EndLine();
    }

    std::vector<std::string> Record()
    {
        std::vector<std::string> fields(1);
        while (!AtEnd()) {
            const char c = text_[pos_];
            if (c == '\n' || (c == '\r' && Next() == '\n')) {
                SkipLine();
                break;
            }
            ++pos_;
            if (c == separator_)
                fields.emplace_back();
            else if (c == Quote && fields.back().empty())
                QuotedField(fields.back());
            else
                fields.back() += c;
        }
        return fields;
    }

private:
    char Next() const { return pos_ + 1 < text_.size() ? text_[pos_ + 1] : '\0'; }

    void EndLine()
    {
        if (!AtEnd()) {
            ++pos_;
            ++line_;
        }
    }

    // After the opening quote, up to the closing one; what follows it up to the separator is kept
    // as it stands, as the usual readers do.
    void QuotedField(std::string& field)
    {
        while (!AtEnd()) {
            const char c = text_[pos_++];
            if (c == '\n')
                ++line_;
            if (c != Quote) {
                field += c;
                continue;
            }
            if (AtEnd() || text_[pos_] != Quote)
                return;
            field += Quote;
            ++pos_;
        }
    }

    std::string_view text_;
    char separator_;
    size_t pos_ = 0;
    unsigned line_ = 1;
};

bool NeedsQuotes(const std::string& field, char separator)
{
    return field.find_first_of(std::string{separator, Quote, '\r', '\n'}) != std::string::npos;
}

}

std::vector<CsvRecord> ParseCsv(std::string_view text, char separator)
{
    std::vector<CsvRecord> records;
    CsvReader reader(text, separator);
    while (!reader.AtEnd()) {
        if (reader.AtLineToSkip()) {
            reader.SkipLine();
            continue;
        }
        CsvRecord record;
        record.line = reader.Line();
        record.fields = reader.Record();
        records.push_back(std::move(record));
    }
    return records;
}

char GuessCsvSeparator(std::string_view text)
{
    CsvReader reader(text, CsvTab);
    while (!reader.AtEnd() && reader.AtLineToSkip())
        reader.SkipLine();
    return reader.Record().size() > 1 ? CsvTab : CsvComma;
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
