#pragma once

#include <cstdint>
#include <optional>

#include "lang/Messages.h"
#include "model/IdSeries.h"

// Why the codes of a series cannot be counted up, for a check that found a problem; `radios` is
// the series' length as the check was asked (std::nullopt: until stopped).
Message IdSeriesMessage(const IdSeriesCheck& check, std::optional<uint64_t> radios);
