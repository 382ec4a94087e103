#pragma once

#include <cstdint>
#include <string>

// Hertz as megahertz with six decimals, the exchanged table's form ("462.562500").
std::string MegahertzText(uint32_t hz);
