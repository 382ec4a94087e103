#pragma once

#include <string>
#include <string_view>

// Text from outside (what a radio reports as its serial number or firmware) as it may be shown on
// a terminal or kept in a log: control characters (C0, DEL, C1) and bytes that are no part of a
// UTF-8 character become "\xHH", so that no escape sequence ever reaches a terminal raw.
std::string PrintableText(std::string_view text);
