#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// An INI file held as its lines, so that a save changes only the values it sets: comments, blank
// lines, unknown sections and keys and the order of everything stay as the user left them.
// Sections and keys match without regard to ASCII case, and the first of duplicates counts, as
// with the Windows profile routines the file format comes from. Each line keeps its own line end,
// so a file with mixed ends reads the same after a save; new lines take the first line's.
class IniDocument {
public:
    static IniDocument Parse(const std::string& text);

    std::optional<std::string> Value(const std::string& section, const std::string& key) const;

    // Every key=value line of the section, in file order, keys as spelt in the file.
    std::vector<std::pair<std::string, std::string>> Entries(const std::string& section) const;

    // Rewrites the key's line in place; a missing key is added after the last line of its section,
    // a missing section at the end of the file.
    void Set(const std::string& section, const std::string& key, const std::string& value);

    std::string Text() const;

private:
    struct Line {
        std::string text;
        std::string end;  // empty: the document's line end (new lines, an unterminated last line)
    };

    static std::vector<Line> SplitLines(const std::string& text);
    std::optional<size_t> FindSection(const std::string& section) const;
    size_t SectionEnd(size_t header) const;
    std::optional<size_t> FindKey(size_t header, const std::string& key) const;

    std::vector<Line> lines_;
    std::string lineEnd_ = "\n";
    bool byteOrderMark_ = false;
};
