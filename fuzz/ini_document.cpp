// The settings file: any text is written back as it was read (a missing last line end added), so
// every value reads the same after a save; and a value set through the document reads back, in
// the document and in the file it writes.
//
// Input: the file's text, then optionally a NUL and assignments "section NUL key NUL value NUL".
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "files/IniDocument.h"

namespace {

constexpr size_t MaxSectionNames = 64;
const char* const Blanks = " \t";
const std::string ByteOrderMark = "\xEF\xBB\xBF";

std::string Trimmed(const std::string& s)
{
    const size_t first = s.find_first_not_of(Blanks);
    return first == std::string::npos ? std::string() : s.substr(first, s.find_last_not_of(Blanks) - first + 1);
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

// Every text between a "[" and the next "]": more names than the file's sections, which only
// adds lookups that find nothing.
std::vector<std::string> SectionNames(const std::string& text)
{
    std::vector<std::string> names;
    for (size_t open = text.find('['); open != std::string::npos && names.size() < MaxSectionNames;
         open = text.find('[', open + 1)) {
        const size_t close = text.find(']', open);
        if (close == std::string::npos)
            break;
        names.push_back(Trimmed(text.substr(open + 1, close - open - 1)));
    }
    return names;
}

void CheckSameValues(const IniDocument& a, const IniDocument& b, const std::vector<std::string>& sections)
{
    for (const std::string& section : sections) {
        const auto entries = a.Entries(section);
        FUZZ_REQUIRE(entries == b.Entries(section));
        for (const auto& entry : entries)
            FUZZ_REQUIRE(a.Value(section, entry.first) == b.Value(section, entry.first));
    }
}

void CheckWriteBack(const std::string& text)
{
    const IniDocument read = IniDocument::Parse(text);
    const std::string written = read.Text();
    const bool hasMark = text.compare(0, ByteOrderMark.size(), ByteOrderMark) == 0;
    if (text.size() == (hasMark ? ByteOrderMark.size() : 0) || text.back() == '\n')
        FUZZ_REQUIRE(written == text);
    else
        FUZZ_REQUIRE(written == text + "\n" || written == text + "\r\n");
    const IniDocument reread = IniDocument::Parse(written);
    FUZZ_REQUIRE(reread.Text() == written);
    CheckSameValues(read, reread, SectionNames(text));
}

bool Has(const std::string& s, const char* characters) { return s.find_first_of(characters) != std::string::npos; }

// Names and values as the program writes them: one line, no surrounding blanks, a section name
// without "]", a key that reads neither as a comment nor as a section nor holds "=".
bool Writable(const std::string& section, const std::string& key, const std::string& value)
{
    const auto plain = [](const std::string& s) { return Trimmed(s) == s && !Has(s, "\r\n"); };
    return plain(section) && plain(key) && plain(value) && !section.empty() && !key.empty() &&
           !Has(section, "]") && !Has(key, "=") && std::string(";#[").find(key.front()) == std::string::npos;
}

void CheckAssignments(const std::string& text, const std::vector<std::string>& fields)
{
    IniDocument doc = IniDocument::Parse(text);
    for (size_t i = 0; i + 2 < fields.size(); i += 3) {
        const std::string &section = fields[i], &key = fields[i + 1], &value = fields[i + 2];
        if (!Writable(section, key, value))
            continue;
        doc.Set(section, key, value);
        FUZZ_REQUIRE(doc.Value(section, key) == value);
        const IniDocument saved = IniDocument::Parse(doc.Text());
        FUZZ_REQUIRE(saved.Value(section, key) == value);
        FUZZ_REQUIRE(saved.Text() == doc.Text());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<std::string> parts = Split(std::string(reinterpret_cast<const char*>(data), size), '\0');
    CheckWriteBack(parts.front());
    CheckAssignments(parts.front(), std::vector<std::string>(parts.begin() + 1, parts.end()));
    return 0;
}
