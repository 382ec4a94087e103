#pragma once

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

#include "lang/Messages.h"
#include "lang/TextEntries.h"
#include "lang/Utf8Text.h"

// A word the page asks for by name: an entry of the main text table, or a message.
struct NamedText {
    const char* name;
    std::variant<TextEntry, MessageId> text;
};

// The text `table` names `name`, in `language`, a message's %1, %2, ... filled with `args`; empty
// when the table names no such text.
template <size_t Count>
std::string NamedTextIn(const NamedText (&table)[Count], const std::string& name, TTeskFuncs::TLangType language,
                        std::vector<MessageArg> args = {})
{
    for (const NamedText& named : table) {
        if (name != named.name)
            continue;
        if (const auto* entry = std::get_if<TextEntry>(&named.text))
            return EntryUtf8(*entry, language);
        return MessageUtf8({std::get<MessageId>(named.text), std::move(args)}, language);
    }
    return "";
}
