#include "files/IniDocument.h"

#include <algorithm>

namespace {

const std::string ByteOrderMark = "\xEF\xBB\xBF";
const char* const Blanks = " \t";
const std::string CrLf = "\r\n";

std::string Trimmed(const std::string& s)
{
    const size_t first = s.find_first_not_of(Blanks);
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(Blanks) - first + 1);
}

bool SameName(const std::string& a, const std::string& b)
{
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

bool IsBlank(const std::string& line) { return line.find_first_not_of(Blanks) == std::string::npos; }

std::optional<std::string> SectionName(const std::string& line)
{
    const std::string t = Trimmed(line);
    if (t.empty() || t.front() != '[')
        return std::nullopt;
    const size_t close = t.find(']');
    if (close == std::string::npos)
        return std::nullopt;
    return Trimmed(t.substr(1, close - 1));
}

struct EntryLine {
    std::string key;
    std::string value;
    size_t valueStart;  // where the value begins in the raw line, for rewriting it in place
};

std::optional<EntryLine> ParseEntry(const std::string& line)
{
    const std::string t = Trimmed(line);
    if (t.empty() || t.front() == ';' || t.front() == '#' || t.front() == '[')
        return std::nullopt;
    const size_t equals = line.find('=');
    if (equals == std::string::npos)
        return std::nullopt;
    std::string key = Trimmed(line.substr(0, equals));
    if (key.empty())
        return std::nullopt;
    const size_t afterBlanks = line.find_first_not_of(Blanks, equals + 1);
    const size_t valueStart = afterBlanks == std::string::npos ? line.size() : afterBlanks;
    return EntryLine{std::move(key), Trimmed(line.substr(equals + 1)), valueStart};
}

}  // namespace

// Only the one CR before each LF belongs to the line end: any further CR is part of the line, so
// that writing the line back with its end restores the text exactly.
std::vector<IniDocument::Line> IniDocument::SplitLines(const std::string& text)
{
    std::vector<Line> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const bool terminated = end != std::string::npos;
        if (!terminated)
            end = text.size();
        Line line{text.substr(start, end - start), terminated ? "\n" : ""};
        if (!line.text.empty() && line.text.back() == '\r') {
            line.text.pop_back();
            line.end = CrLf;
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

IniDocument IniDocument::Parse(const std::string& text)
{
    IniDocument doc;
    const bool hasMark = text.compare(0, ByteOrderMark.size(), ByteOrderMark) == 0;
    doc.byteOrderMark_ = hasMark;
    doc.lines_ = SplitLines(hasMark ? text.substr(ByteOrderMark.size()) : text);
    if (!doc.lines_.empty() && doc.lines_.front().end == CrLf)
        doc.lineEnd_ = CrLf;
    return doc;
}

std::optional<size_t> IniDocument::FindSection(const std::string& section) const
{
    for (size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i].text);
        if (name && SameName(*name, section))
            return i;
    }
    return std::nullopt;
}

size_t IniDocument::SectionEnd(size_t header) const
{
    size_t i = header + 1;
    while (i < lines_.size() && !SectionName(lines_[i].text))
        ++i;
    return i;
}

std::optional<size_t> IniDocument::FindKey(size_t header, const std::string& key) const
{
    const size_t end = SectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
        const auto entry = ParseEntry(lines_[i].text);
        if (entry && SameName(entry->key, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Value(const std::string& section, const std::string& key) const
{
    const auto header = FindSection(section);
    if (!header)
        return std::nullopt;
    const auto line = FindKey(*header, key);
    if (!line)
        return std::nullopt;
    return ParseEntry(lines_[*line].text)->value;
}

std::vector<std::pair<std::string, std::string>> IniDocument::Entries(const std::string& section) const
{
    std::vector<std::pair<std::string, std::string>> entries;
    const auto header = FindSection(section);
    if (!header)
        return entries;
    const size_t end = SectionEnd(*header);
    for (size_t i = *header + 1; i < end; ++i) {
        if (auto entry = ParseEntry(lines_[i].text))
            entries.emplace_back(std::move(entry->key), std::move(entry->value));
    }
    return entries;
}

void IniDocument::Set(const std::string& section, const std::string& key, const std::string& value)
{
    const std::string newLine = key + "=" + value;
    const auto header = FindSection(section);
    if (!header) {
        lines_.push_back({"[" + section + "]", ""});
        lines_.push_back({newLine, ""});
        return;
    }
    if (const auto line = FindKey(*header, key)) {
        std::string& text = lines_[*line].text;
        text = text.substr(0, ParseEntry(text)->valueStart) + value;
        return;
    }
    // After the section's last non-blank line, so a blank line separating it from the next
    // section stays where it is.
    size_t insertAt = SectionEnd(*header);
    while (insertAt > *header + 1 && IsBlank(lines_[insertAt - 1].text))
        --insertAt;
    lines_.insert(lines_.begin() + std::ptrdiff_t(insertAt), Line{newLine, ""});
}

std::string IniDocument::Text() const
{
    std::string text = byteOrderMark_ ? ByteOrderMark : std::string();
    for (const Line& line : lines_)
        text += line.text + (line.end.empty() ? lineEnd_ : line.end);
    return text;
}
