#pragma once

#include <string>
#include <string_view>

// Big5 bytes, which the Traditional Chinese texts become, as UTF-8; a byte that starts no Big5
// character becomes "?".
std::string Big5ToUtf8(std::string_view big5);
