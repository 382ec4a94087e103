#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// JSON documents for the record's JSON form: read strictly (RFC 8259, UTF-8), written indented.

struct JsonMember;

struct JsonValue {
    enum class Type { Null, Bool, Number, String, Array, Object };

    Type type = Type::Null;
    bool boolean = false;
    double number = 0;
    std::string text;                 // UTF-8
    std::vector<JsonValue> items;     // of an array
    std::vector<JsonMember> members;  // of an object, in the order of the text

    static JsonValue Bool(bool b);
    static JsonValue Number(double n);
    static JsonValue String(std::string s);
    static JsonValue Array(std::vector<JsonValue> items);
    static JsonValue Object(std::vector<JsonMember> members);

    bool Is(Type t) const { return type == t; }
    // The member of that key; of several, the last, as a reader of the text would take it.
    const JsonValue* Find(std::string_view key) const;
};

struct JsonMember {
    std::string key;
    JsonValue value;
};

// Why a text is no JSON document; the message table words each.
enum class JsonSyntaxProblem {
    IllegalValue,
    IllegalNumber,
    GarbageAtEnd,
    TooDeep,
    UnterminatedObject,
    UnterminatedArray,
    UnterminatedString,
    MissingName,
    MissingNameSeparator,
    MissingValueSeparator,
    ControlCharacter,
    InvalidUtf8,
    InvalidEscape,
};

// Where and why a text is no JSON document.
struct JsonSyntaxError {
    JsonSyntaxProblem problem = JsonSyntaxProblem::IllegalValue;
    size_t offset = 0;
};

// A document is an object or an array. Nesting deeper than a record ever needs is refused, so a
// hostile text cannot exhaust the stack.
std::optional<JsonValue> ParseJson(std::string_view text, JsonSyntaxError& error);

// Four spaces a level, one member or item a line, members in the byte order of their keys, whole
// numbers without a fraction, strings escaping only quotes, backslashes and control characters;
// a newline at the end.
std::string WriteJson(const JsonValue& document);
