#include "files/MegahertzText.h"

#include <cstdio>

namespace {
constexpr uint32_t HertzPerMegahertz = 1000000;
}

std::string MegahertzText(uint32_t hz)
{
    char text[24];
    std::snprintf(text, sizeof text, "%u.%06u", unsigned(hz / HertzPerMegahertz), unsigned(hz % HertzPerMegahertz));
    return text;
}
