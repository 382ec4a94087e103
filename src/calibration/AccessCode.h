#pragma once

#include <string_view>

// The fixed code in front of the factory adjustment. It is part of the program, kept in no file
// and not changeable.
constexpr std::string_view AdjustmentAccessCode = "530962";

// Exactly the code: same length, same characters.
inline bool IsAdjustmentAccessCode(std::string_view typed) { return typed == AdjustmentAccessCode; }
