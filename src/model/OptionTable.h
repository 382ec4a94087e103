#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/RadioSettings.h"

// Every option, key and DTMF field of the record described once: where it sits, what its editor
// offers, what File/New gives it and which values the radio takes. The record check, the JSON
// form, the dumps, the editors and the printed sheet all read these tables; only the record
// itself and the memory image's map of offsets name the fields on their own.

// What an item of a choice list says, in words every front end resolves through the language
// tables.
enum class ChoiceLabelKind {
    Entry,    // a text of the language table, by the name of its entry ("Off", "ResumeTime")
    Literal,  // the same text in every language ("5", "A")
    Seconds,  // a number of seconds ("0.5") followed by the language's word for seconds
};

struct ChoiceLabel {
    ChoiceLabelKind kind;
    std::string text;

    bool operator==(const ChoiceLabel& o) const { return kind == o.kind && text == o.text; }
};

// One item of a choice list and the value the record stores for it.
struct Choice {
    uint32_t value;
    ChoiceLabel label;
};

// How a list shows a stored value.
enum class ValueMatch {
    Stepwise,        // the position (value - first) / step, truncated: a value between items shows the lower one
    Exact,           // the first item holding the value; none when no item does
    ExactElseFirst,  // the same, but the first item when no item holds the value
};

enum class OptionKind {
    List,         // a drop-down list of choices
    Flag,         // a check box storing 1 or 0
    KeyFunction,  // a list of the functions a programmable key can take
};

// When a check box shows its flag ticked.
enum class TickRule { NonZero, ExactlyOne };

enum class OptionPage { Options, Dtmf, Keys };

// Where the editor of a field stands. Columns and rows count from 0 within the page: the options
// page has the lists in column 0 and the check boxes in column 1, the DTMF page the codes in
// column 0 and the timings in column 1, the keys page one column per key with the short press in
// row 0 and the long press in row 1. A field not offered keeps its place but is never shown.
struct OptionPlace {
    OptionPage page;
    int column;
    int row;
    bool offered = true;
};

// The object names of a field's editor and of the label beside it, which every front end gives
// the controls; a check box carries its own caption and has no label.
struct EditorNames {
    const char* control;
    const char* label = nullptr;
};

struct OptionField {
    const char* name;  // the record's field name: the JSON key and the field of a check finding
    size_t offset;     // in the record's block, little-endian
    size_t width;      // 1 or 2 bytes
    EditorNames editor;
    OptionKind kind;
    const char* label;              // the entry name of the control's caption
    std::vector<Choice> choices;    // the list's items in their order; empty for a flag
    ValueMatch match;               // lists only
    TickRule tick;                  // flags only
    uint32_t defaultValue;          // after File/New
    OptionPlace place;

    uint32_t Get(const RadioSettings& s) const;
    // Keeps what the width holds; callers check against Max first.
    void Set(RadioSettings& s, uint32_t value) const;
    uint32_t Max() const;

    // Whether the radio takes the value: a list offers it, or a flag holds 0 or 1.
    bool Offers(uint32_t value) const;
    // The list position that shows the stored value, -1 for none.
    int IndexOf(uint32_t value) const;
    bool Ticked(uint32_t value) const;
};

// In the order of the record.
const std::vector<OptionField>& OptionFields();
const OptionField* FindOptionField(std::string_view name);
// The field whose editor has the object name `control`.
const OptionField* FindOptionEditor(std::string_view control);
// The fields of one column of a page, top to bottom.
std::vector<const OptionField*> OptionFieldsAt(OptionPage page, int column);

// A DTMF code: up to DtmfCodeCapacity symbol codes and the count of symbols in use.
struct DtmfCodeField {
    const char* name;        // the field of the codes, and the JSON key of the code as text
    const char* lengthName;  // the field of the count
    size_t codesOffset;
    size_t lengthOffset;
    EditorNames editor;
    const char* label;
    OptionPlace place;

    uint8_t* Codes(RadioSettings& s) const { return s.BlockBytes() + codesOffset; }
    const uint8_t* Codes(const RadioSettings& s) const { return s.BlockBytes() + codesOffset; }
    uint8_t& Length(RadioSettings& s) const { return s.BlockBytes()[lengthOffset]; }
    uint8_t Length(const RadioSettings& s) const { return s.BlockBytes()[lengthOffset]; }

    // The symbols as the editor shows them, and the text stored as its editor stores it.
    std::string Text(const RadioSettings& s) const;
    void Store(RadioSettings& s, std::string_view text) const;
};

// In the order of the record, which is also the order of the memory image.
const std::vector<DtmfCodeField>& DtmfCodeFields();
const DtmfCodeField* FindDtmfCodeEditor(std::string_view control);

// A row of a page: a DTMF code or an option.
struct PageRow {
    OptionPlace place;
    const DtmfCodeField* code;
    const OptionField* option;

    const EditorNames& Editor() const { return code ? code->editor : option->editor; }
};

// The codes and options of one column of a page, top to bottom.
std::vector<PageRow> PageRowsAt(OptionPage page, int column);

// A function a programmable key can take, as the key lists offer them.
struct ProgrammableKeyFunction {
    uint8_t code;
    const char* label;
    bool offeredForLongPress;  // the monitor and squelch-off functions are short presses only
    bool momentary;            // held only while the key is: the key's long press then stays unassigned
};

const std::vector<ProgrammableKeyFunction>& ProgrammableKeyFunctions();
bool IsMomentaryKeyFunction(uint32_t code);

// File/New: every option field at its default.
void SetOptionDefaults(RadioSettings& s);
