#include "files/JsonValue.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <locale>
#include <sstream>

JsonValue JsonValue::Bool(bool b)
{
    JsonValue v;
    v.type = Type::Bool;
    v.boolean = b;
    return v;
}

JsonValue JsonValue::Number(double n)
{
    JsonValue v;
    v.type = Type::Number;
    v.number = n;
    return v;
}

JsonValue JsonValue::String(std::string s)
{
    JsonValue v;
    v.type = Type::String;
    v.text = std::move(s);
    return v;
}

JsonValue JsonValue::Array(std::vector<JsonValue> items)
{
    JsonValue v;
    v.type = Type::Array;
    v.items = std::move(items);
    return v;
}

JsonValue JsonValue::Object(std::vector<JsonMember> members)
{
    JsonValue v;
    v.type = Type::Object;
    v.members = std::move(members);
    return v;
}

const JsonValue* JsonValue::Find(std::string_view key) const
{
    const auto found = std::find_if(members.rbegin(), members.rend(), [key](const JsonMember& m) { return m.key == key; });
    return found == members.rend() ? nullptr : &found->value;
}

namespace {

// A record's JSON nests three deep; this leaves room for any sensible edit.
constexpr int DeepestNesting = 64;
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr unsigned AsciiEnd = 0x80;
constexpr unsigned FirstPrintable = 0x20;
constexpr uint32_t HighSurrogateFirst = 0xD800, LowSurrogateFirst = 0xDC00, SurrogateEnd = 0xE000;
constexpr uint32_t SurrogateShift = 10, SupplementaryFirst = 0x10000, LastCodePoint = 0x10FFFF;
constexpr int HexDigitsOfEscape = 4;

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void AppendUtf8(std::string& out, uint32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | cp >> 6);
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < SupplementaryFirst) {
        out += char(0xE0 | cp >> 12);
        out += char(0x80 | (cp >> 6 & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | cp >> 18);
        out += char(0x80 | (cp >> 12 & 0x3F));
        out += char(0x80 | (cp >> 6 & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// The length of the well-formed UTF-8 sequence at `s`, 0 when there is none.
size_t Utf8SequenceLength(std::string_view s)
{
    const auto byte = [&s](size_t i) { return i < s.size() ? uint8_t(s[i]) : 0; };
    const uint8_t lead = byte(0);
    const auto continuation = [&byte](size_t i, uint8_t low = 0x80, uint8_t high = 0xBF) {
        return byte(i) >= low && byte(i) <= high;
    };
    if (lead >= 0xC2 && lead <= 0xDF)
        return continuation(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        // No overlong forms, no surrogates.
        const uint8_t low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
        return continuation(1, low, high) && continuation(2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const uint8_t low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
        return continuation(1, low, high) && continuation(2) && continuation(3) ? 4 : 0;
    }
    return 0;
}

class Parser {
    using Problem = JsonSyntaxProblem;

public:
    Parser(std::string_view text, JsonSyntaxError& error) : text_(text), error_(error)
    {
        if (text_.substr(0, ByteOrderMark.size()) == ByteOrderMark)
            pos_ = ByteOrderMark.size();
    }

    std::optional<JsonValue> Document()
    {
        SkipSpace();
        const char c = Peek();
        if (c != '{' && c != '[')
            return Fail(Problem::IllegalValue);
        auto value = Value(0, Problem::IllegalValue);
        if (!value)
            return std::nullopt;
        SkipSpace();
        if (pos_ != text_.size())
            return Fail(Problem::GarbageAtEnd);
        return value;
    }

private:
    // `unterminated` says what the text lacks when it ends where a value should start.
    std::optional<JsonValue> Value(int depth, Problem unterminated)
    {
        SkipSpace();
        if (pos_ == text_.size())
            return Fail(unterminated);
        switch (Peek()) {
        case '{':
            return Object(depth + 1);
        case '[':
            return Array(depth + 1);
        case '"': {
            auto s = String();
            return s ? std::optional<JsonValue>(JsonValue::String(std::move(*s))) : std::nullopt;
        }
        case 't':
            return Literal("true", JsonValue::Bool(true));
        case 'f':
            return Literal("false", JsonValue::Bool(false));
        case 'n':
            return Literal("null", JsonValue());
        default:
            return Number();
        }
    }

    std::optional<JsonValue> Object(int depth)
    {
        if (depth > DeepestNesting)
            return Fail(Problem::TooDeep);
        ++pos_;
        JsonValue object = JsonValue::Object({});
        SkipSpace();
        if (Take('}'))
            return object;
        for (;;) {
            SkipSpace();
            if (Peek() != '"')
                return Fail(pos_ == text_.size() ? Problem::UnterminatedObject : Problem::MissingName);
            auto key = String();
            if (!key)
                return std::nullopt;
            SkipSpace();
            if (!Take(':'))
                return Fail(Problem::MissingNameSeparator);
            auto value = Value(depth, Problem::UnterminatedObject);
            if (!value)
                return std::nullopt;
            object.members.push_back({std::move(*key), std::move(*value)});
            SkipSpace();
            if (Take('}'))
                return object;
            if (!Take(','))
                return Fail(pos_ == text_.size() ? Problem::UnterminatedObject : Problem::MissingValueSeparator);
        }
    }

    std::optional<JsonValue> Array(int depth)
    {
        if (depth > DeepestNesting)
            return Fail(Problem::TooDeep);
        ++pos_;
        JsonValue array = JsonValue::Array({});
        SkipSpace();
        if (Take(']'))
            return array;
        for (;;) {
            auto value = Value(depth, Problem::UnterminatedArray);
            if (!value)
                return std::nullopt;
            array.items.push_back(std::move(*value));
            SkipSpace();
            if (Take(']'))
                return array;
            if (!Take(','))
                return Fail(pos_ == text_.size() ? Problem::UnterminatedArray : Problem::MissingValueSeparator);
        }
    }

    std::optional<std::string> String()
    {
        ++pos_;
        std::string out;
        while (pos_ < text_.size()) {
            const unsigned char c = uint8_t(text_[pos_]);
            if (c == '"') {
                ++pos_;
                return out;
            }
            if (c == '\\') {
                if (!Escape(out))
                    return std::nullopt;
            } else if (c < FirstPrintable) {
                return Fail(Problem::ControlCharacter);
            } else if (c < AsciiEnd) {
                out += char(c);
                ++pos_;
            } else {
                const size_t length = Utf8SequenceLength(text_.substr(pos_));
                if (length == 0)
                    return Fail(Problem::InvalidUtf8);
                out.append(text_.substr(pos_, length));
                pos_ += length;
            }
        }
        return Fail(Problem::UnterminatedString);
    }

    bool Escape(std::string& out)
    {
        const size_t start = pos_++;
        const char c = pos_ < text_.size() ? text_[pos_++] : '\0';
        static constexpr std::string_view Escaped = "\"\\/bfnrt", Meant = "\"\\/\b\f\n\r\t";
        if (const size_t i = Escaped.find(c); i != std::string_view::npos) {
            out += Meant[i];
            return true;
        }
        std::optional<uint32_t> cp = c == 'u' ? Hex4() : std::nullopt;
        if (cp && *cp >= HighSurrogateFirst && *cp < LowSurrogateFirst) {
            const bool paired = text_.substr(pos_, 2) == "\\u";
            pos_ += paired ? 2 : 0;
            const std::optional<uint32_t> low = paired ? Hex4() : std::nullopt;
            cp = low && *low >= LowSurrogateFirst && *low < SurrogateEnd
                     ? std::optional<uint32_t>(SupplementaryFirst + ((*cp - HighSurrogateFirst) << SurrogateShift) +
                                               (*low - LowSurrogateFirst))
                     : std::nullopt;
        } else if (cp && *cp >= LowSurrogateFirst && *cp < SurrogateEnd) {
            cp.reset();
        }
        if (!cp || *cp > LastCodePoint) {
            pos_ = start;
            Fail(Problem::InvalidEscape);
            return false;
        }
        AppendUtf8(out, *cp);
        return true;
    }

    std::optional<uint32_t> Hex4()
    {
        if (text_.size() - pos_ < HexDigitsOfEscape)
            return std::nullopt;
        uint32_t value = 0;
        for (int i = 0; i < HexDigitsOfEscape; ++i) {
            const int digit = HexValue(text_[pos_ + size_t(i)]);
            if (digit < 0)
                return std::nullopt;
            value = value << 4 | uint32_t(digit);
        }
        pos_ += HexDigitsOfEscape;
        return value;
    }

    std::optional<JsonValue> Number()
    {
        const size_t start = pos_;
        Take('-');
        if (!Take('0') && !Digits())
            return Fail(pos_ == start ? Problem::IllegalValue : Problem::IllegalNumber);
        if (Take('.') && !Digits())
            return Fail(Problem::IllegalNumber);
        if (Take('e') || Take('E')) {
            if (!Take('+'))
                Take('-');
            if (!Digits())
                return Fail(Problem::IllegalNumber);
        }
        std::istringstream in(std::string(text_.substr(start, pos_ - start)));
        in.imbue(std::locale::classic());
        double value = 0;
        in >> value;
        // Beyond what a double holds: no field takes such a value, and no number written could stand for it.
        if (in.fail())
            return Fail(Problem::IllegalNumber);
        return JsonValue::Number(value);
    }

    bool Digits()
    {
        const size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9')
            ++pos_;
        return pos_ > start;
    }

    std::optional<JsonValue> Literal(std::string_view word, JsonValue value)
    {
        if (text_.substr(pos_, word.size()) != word)
            return Fail(Problem::IllegalValue);
        pos_ += word.size();
        return value;
    }

    void SkipSpace()
    {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r'))
            ++pos_;
    }

    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

    bool Take(char c)
    {
        if (pos_ == text_.size() || text_[pos_] != c)
            return false;
        ++pos_;
        return true;
    }

    std::nullopt_t Fail(Problem problem)
    {
        error_ = {problem, pos_};
        return std::nullopt;
    }

    std::string_view text_;
    JsonSyntaxError& error_;
    size_t pos_ = 0;
};

constexpr int IndentWidth = 4;
// Whole numbers up to this size are written as integers.
constexpr double LargestExactWhole = 9007199254740992.0;

void WriteString(std::string& out, std::string_view s)
{
    out += '"';
    for (const char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (uint8_t(c) < FirstPrintable) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", unsigned(uint8_t(c)));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void WriteNumber(std::string& out, double n)
{
    char text[32];
    if (n == std::floor(n) && std::abs(n) <= LargestExactWhole)
        std::snprintf(text, sizeof text, "%lld", static_cast<long long>(n));
    else
        std::snprintf(text, sizeof text, "%.17g", n);
    out += text;
}

void WriteValue(std::string& out, const JsonValue& v, int level)
{
    const std::string inner(size_t(IndentWidth * (level + 1)), ' ');
    const std::string outer(size_t(IndentWidth * level), ' ');
    switch (v.type) {
    case JsonValue::Type::Null:
        out += "null";
        break;
    case JsonValue::Type::Bool:
        out += v.boolean ? "true" : "false";
        break;
    case JsonValue::Type::Number:
        WriteNumber(out, v.number);
        break;
    case JsonValue::Type::String:
        WriteString(out, v.text);
        break;
    case JsonValue::Type::Array:
        out += "[\n";
        for (size_t i = 0; i < v.items.size(); ++i) {
            out += inner;
            WriteValue(out, v.items[i], level + 1);
            out += i + 1 < v.items.size() ? ",\n" : "\n";
        }
        out += outer + "]";
        break;
    case JsonValue::Type::Object: {
        std::vector<const JsonMember*> sorted;
        for (const JsonMember& m : v.members)
            sorted.push_back(&m);
        std::stable_sort(sorted.begin(), sorted.end(), [](const JsonMember* a, const JsonMember* b) { return a->key < b->key; });
        out += "{\n";
        for (size_t i = 0; i < sorted.size(); ++i) {
            out += inner;
            WriteString(out, sorted[i]->key);
            out += ": ";
            WriteValue(out, sorted[i]->value, level + 1);
            out += i + 1 < sorted.size() ? ",\n" : "\n";
        }
        out += outer + "}";
        break;
    }
    }
}

}

std::optional<JsonValue> ParseJson(std::string_view text, JsonSyntaxError& error)
{
    return Parser(text, error).Document();
}

std::string WriteJson(const JsonValue& document)
{
    std::string out;
    WriteValue(out, document, 0);
    return out + "\n";
}
