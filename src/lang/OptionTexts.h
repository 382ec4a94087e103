#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/AppLang.h"
#include "lang/TextEntries.h"
#include "model/OptionTable.h"

// The words of the option table in the current language, 8-bit like every lookup: what every front
// end shows for a choice and a caption, so that none keeps texts of its own.

// The entry an option table names; nothing for a name the language table does not hold.
std::optional<TextEntry> TextEntryNamed(std::string_view name);

// A caption or any other text the option table names by its entry; in the current language, or
// in the one asked for.
std::string NamedText(std::string_view entryName);
std::string NamedText(std::string_view entryName, TTeskFuncs::TLangType language);

// The title of a programmable key's group on the keys page: "Key 1".
std::string KeyGroupCaption(int key, TTeskFuncs::TLangType language);

// A field's caption as its page shows it; a key's press follows the key's group title ("Key 1 Short
// Press").
std::string FieldCaption(const OptionField& field);
std::string FieldCaption(const OptionField& field, TTeskFuncs::TLangType language);

// One item of a choice list ("0.5 S" for half a second in English), and the items of a field's list
// in their order.
std::string ChoiceText(const ChoiceLabel& label);
std::string ChoiceText(const ChoiceLabel& label, TTeskFuncs::TLangType language);
std::vector<std::string> ChoiceTexts(const OptionField& field);
