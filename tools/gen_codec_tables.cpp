// Writes the GBK and Big5 tables of src/text as C++ source: every code asked of glibc's iconv, so
// that the program reads and writes exactly what glibc does on every platform, including those
// without iconv (Windows) or with another one (musl, whose GBK differs and cannot encode).
// Built and run by the build itself, always on the build machine.
//
// Usage: gen_codec_tables OUTPUT.cpp

#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "IconvConverter.h"
#include "text/DoubleByteTable.h"

#ifndef __GLIBC__
#error "The codec tables are glibc's: build this generator on a glibc system."
#endif

#include <gnu/libc-version.h>

namespace {

constexpr int ValuesPerLine = 16;
constexpr char32_t LastBmpCharacter = 0xFFFF;
constexpr size_t Utf32Width = 4;

struct Encoding {
    const char* IconvName;
    const char* Identifier;
    DoubleByteLayout Layout;
    // Whether the program writes this encoding: then every character must lead back to its code.
    bool Encoded;
};

const Encoding Encodings[] = {
    {"GBK", "Gbk", GbkLayout, true},
    {"BIG5", "Big5", Big5Layout, false},
};

std::string Utf32(char32_t c)
{
    std::string bytes(Utf32Width, '\0');
    for (size_t i = 0; i < Utf32Width; ++i)
        bytes[i] = char((c >> (8 * i)) & 0xFF);
    return bytes;
}

// The one character the bytes decode to; nothing for none or for several.
std::optional<char32_t> OneCharacter(const IconvConverter& decoder, const std::string& bytes)
{
    const auto utf32 = decoder.Convert(bytes);
    if (!utf32 || utf32->size() != Utf32Width)
        return std::nullopt;
    char32_t c = 0;
    for (size_t i = 0; i < Utf32Width; ++i)
        c |= char32_t(uint8_t((*utf32)[i])) << (8 * i);
    return c;
}

class TableBuilder {
public:
    explicit TableBuilder(const Encoding& encoding)
        : Encoding_(encoding), Decoder_("UTF-32LE", encoding.IconvName), Encoder_(encoding.IconvName, "UTF-32LE"),
          Pairs_(encoding.Layout.Size(), 0), HighBytes_(HighByteCount, 0)
    {
    }

    bool Build()
    {
        if (!Decoder_.IsOpen() || !Encoder_.IsOpen())
            return Fail("iconv cannot convert " + std::string(Encoding_.IconvName));
        for (unsigned byte = FirstHighByte; byte <= 0xFF; ++byte) {
            if (!AddHighByte(uint8_t(byte)))
                return false;
            for (unsigned trail = 0; trail <= 0xFF; ++trail)
                if (!AddPair(uint8_t(byte), uint8_t(trail)))
                    return false;
        }
        return true;
    }

    std::string Source() const
    {
        std::ostringstream out;
        const std::string id = Encoding_.Identifier;
        const DoubleByteLayout& layout = Encoding_.Layout;
        out << "const uint16_t " << id << "Pairs[] = {\n";
        for (size_t lead = 0; lead < layout.LeadCount(); ++lead) {
            out << "    // lead " << Hex(layout.LeadFirst + lead, 2) << '\n';
            WriteValues(out, Pairs_.data() + lead * layout.TrailCount(), layout.TrailCount());
        }
        out << "};\nstatic_assert(std::size(" << id << "Pairs) == " << id << "Layout.Size());\n\n";
        out << "const uint16_t " << id << "HighBytes[] = {\n";
        WriteValues(out, HighBytes_.data(), HighBytes_.size());
        out << "};\nstatic_assert(std::size(" << id << "HighBytes) == HighByteCount);\n\n";
        return out.str();
    }

    std::string Definition() const
    {
        const std::string id = Encoding_.Identifier;
        return "const DoubleByteTable " + id + "Table{" + id + "Layout, " + id + "Pairs, " + id + "HighBytes};\n";
    }

    size_t CharacterCount() const
    {
        size_t count = 0;
        for (uint16_t c : Pairs_)
            count += c != 0;
        return count;
    }

private:
    static std::string Hex(size_t value, int digits)
    {
        char text[8];
        std::snprintf(text, sizeof text, "0x%0*zX", digits, value);
        return text;
    }

    static void WriteValues(std::ostream& out, const uint16_t* values, size_t count)
    {
        for (size_t i = 0; i < count; ++i) {
            out << (i % ValuesPerLine == 0 ? "    " : " ") << Hex(values[i], 4) << ',';
            if (i % ValuesPerLine == ValuesPerLine - 1 || i + 1 == count)
                out << '\n';
        }
    }

    bool Fail(const std::string& what) const
    {
        std::cerr << "gen_codec_tables: " << Encoding_.IconvName << ": " << what << '\n';
        return false;
    }

    std::optional<uint16_t> Checked(const std::string& bytes, char32_t c) const
    {
        if (c == 0 || c > LastBmpCharacter) {
            Fail("a code decodes outside the Basic Multilingual Plane or to zero");
            return std::nullopt;
        }
        if (Encoding_.Encoded && Encoder_.Convert(Utf32(c)) != bytes) {
            Fail("a character does not encode back to the code it came from");
            return std::nullopt;
        }
        return uint16_t(c);
    }

    bool AddHighByte(uint8_t byte)
    {
        const std::string bytes(1, char(byte));
        if (const auto c = OneCharacter(Decoder_, bytes)) {
            const auto value = Checked(bytes, *c);
            if (!value)
                return false;
            HighBytes_[byte - FirstHighByte] = *value;
        }
        return true;
    }

    // A pair decoding to two characters is a lone high byte before ASCII, not a code.
    bool AddPair(uint8_t lead, uint8_t trail)
    {
        const std::string bytes{char(lead), char(trail)};
        const auto c = OneCharacter(Decoder_, bytes);
        if (!c)
            return true;
        if (!Encoding_.Layout.Holds(lead, trail))
            return Fail("a code lies outside the table's layout");
        const auto value = Checked(bytes, *c);
        if (!value)
            return false;
        Pairs_[Encoding_.Layout.Index(lead, trail)] = *value;
        return true;
    }

    const Encoding& Encoding_;
    IconvConverter Decoder_;
    IconvConverter Encoder_;
    std::vector<uint16_t> Pairs_;
    std::vector<uint16_t> HighBytes_;
};

}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: gen_codec_tables OUTPUT.cpp\n";
        return 2;
    }
    std::ostringstream source;
    source << "// Generated by tools/gen_codec_tables.cpp from the iconv of glibc " << gnu_get_libc_version()
           << "; do not edit.\n#include \"text/DoubleByteTable.h\"\n\n#include <iterator>\n\nnamespace {\n\n";
    std::string definitions;
    for (const Encoding& encoding : Encodings) {
        TableBuilder builder(encoding);
        if (!builder.Build())
            return 1;
        source << builder.Source();
        definitions += builder.Definition();
        std::cout << "gen_codec_tables: " << encoding.IconvName << ' ' << builder.CharacterCount()
                  << " double-byte characters\n";
    }
    source << "}\n\n" << definitions;

    // Written aside and renamed, so an interrupted run leaves no half table for the next build.
    const std::string output = argv[1];
    const std::string partial = output + ".partial";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file << source.str();
        if (!file.flush()) {
            std::cerr << "gen_codec_tables: cannot write " << partial << '\n';
            return 1;
        }
    }
    if (std::rename(partial.c_str(), output.c_str()) != 0) {
        std::cerr << "gen_codec_tables: cannot write " << output << '\n';
        return 1;
    }
    return 0;
}
