#pragma once

#include <string>
#include <string_view>

// Big5 text (what Traditional Chinese lookups give) as UTF-8; a byte that starts no Big5
// character becomes "?".
std::string Big5ToUtf8(std::string_view big5);
