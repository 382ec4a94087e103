#pragma once

#include <string>
#include <string_view>

#include "model/RadioSettings.h"

// The address book's entries as its editors change them. An entry counts only while its
// occupancy bit is set; taking it out of use leaves its bytes as they are.

// Whether entry k (1..16) shows a name: only then can its code be edited.
bool AddressBookEntryNamed(const RadioSettings& settings, unsigned k);

// The entry's name (GBK bytes, cut to the field). An unused entry that is given a name comes into
// use dialling "0" until it gets a code; an empty name takes the entry out of use.
void NameAddressBookEntry(RadioSettings& settings, unsigned k, const std::string& gbkName);

// The entry's code as DTMF symbols; an empty code takes the entry out of use.
void SetAddressBookCode(RadioSettings& settings, unsigned k, std::string_view symbols);

// The entry's code as symbols; empty while the entry is unused.
std::string AddressBookCodeText(const RadioSettings& settings, unsigned k);
