#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/RadioSettings.h"

// A series of radios written from one record, each with its own PTT ID and ANI: the n-th radio
// (from 0) gets the first codes plus n as decimal numbers of the same width, leading zeros kept.

enum class SeriesCode { PttId, Ani };

enum class IdSeriesProblem { None, NotDigits, TooFewDigits, BothEmpty };

struct IdSeriesCheck {
    IdSeriesProblem problem = IdSeriesProblem::None;
    SeriesCode code = SeriesCode::PttId;  // which code the problem is about
    std::string text;                     // that code as DTMF text, e.g. "1A3"
    bool Ok() const { return problem == IdSeriesProblem::None; }
};

// Whether PTT ID and ANI can be counted up for `radios` radios; std::nullopt means "until stopped"
// (then only the digits are checked). An empty code stays empty in every radio; both empty is
// BothEmpty.
IdSeriesCheck CheckIdSeries(const RadioSettings& settings, std::optional<uint64_t> radios);

// How many radios the codes have numbers for (radio n exists while n < capacity): the smallest
// 10^width - first over the non-empty codes; 0 when one of them holds more than digits.
uint64_t IdSeriesCapacity(const RadioSettings& settings);

// The codes of radio n: the first ones plus n, same width. Precondition: a clean check and
// n < capacity; a code that cannot take n is left as it is.
void ApplySeriesIds(RadioSettings& settings, uint64_t n);
