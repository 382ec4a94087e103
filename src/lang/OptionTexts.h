#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/TextEntries.h"
#include "model/OptionTable.h"

// The words of the option table in the current language, 8-bit like every lookup: what every front
// end shows for a choice and a caption, so that none keeps texts of its own.

// The entry an option table names; nothing for a name the language table does not hold.
std::optional<TextEntry> TextEntryNamed(std::string_view name);

// A caption or any other text the option table names by its entry.
std::string NamedText(std::string_view entryName);

// One item of a choice list ("0.5 S" for half a second in English), and the items of a field's list
// in their order.
std::string ChoiceText(const ChoiceLabel& label);
std::vector<std::string> ChoiceTexts(const OptionField& field);
