#include "model/IdSeries.h"

#include <algorithm>
#include <array>
#include <limits>

#include "model/DtmfDigits.h"

namespace {

constexpr uint8_t DigitCount = 10;

// One DTMF code of the record.
struct CodeView {
    SeriesCode code;
    const uint8_t* digits;
    uint8_t width;
};

uint8_t WidthOf(uint8_t length) { return std::min<uint8_t>(length, DtmfCodeCapacity); }

std::array<CodeView, 2> CodesOf(const RadioSettings& s)
{
    return {{{SeriesCode::PttId, s.PttId, WidthOf(s.PttIdLength)}, {SeriesCode::Ani, s.Ani, WidthOf(s.AniLength)}}};
}

std::string TextOf(const CodeView& field) { return DtmfText(field.digits, DtmfCodeCapacity, field.width); }

// The code as a decimal number; none when it holds A-D, * or #.
std::optional<uint64_t> NumberOf(const CodeView& field)
{
    uint64_t value = 0;
    for (uint8_t i = 0; i < field.width; ++i) {
        if (field.digits[i] >= DigitCount)
            return std::nullopt;
        value = value * DigitCount + field.digits[i];
    }
    return value;
}

// 10^width: DtmfCodeCapacity digits stay far inside 64 bits.
uint64_t NumbersOfWidth(uint8_t width)
{
    uint64_t limit = 1;
    for (uint8_t i = 0; i < width; ++i)
        limit *= DigitCount;
    return limit;
}

uint64_t CapacityOf(const CodeView& field)
{
    const std::optional<uint64_t> first = NumberOf(field);
    return first ? NumbersOfWidth(field.width) - *first : 0;
}

// An empty code stays empty, and one without a number for radio n is left as it is.
void AddToCode(SeriesCode code, uint8_t* digits, uint8_t length, uint64_t n)
{
    const CodeView field{code, digits, WidthOf(length)};
    if (field.width == 0 || n >= CapacityOf(field))
        return;
    uint64_t value = *NumberOf(field) + n;
    for (uint8_t i = field.width; i > 0; --i) {
        digits[i - 1] = uint8_t(value % DigitCount);
        value /= DigitCount;
    }
}

}  // namespace

IdSeriesCheck CheckIdSeries(const RadioSettings& settings, std::optional<uint64_t> radios)
{
    const auto fields = CodesOf(settings);
    if (std::all_of(fields.begin(), fields.end(), [](const CodeView& f) { return f.width == 0; }))
        return {IdSeriesProblem::BothEmpty, SeriesCode::PttId, ""};
    for (const CodeView& field : fields)
        if (!NumberOf(field))
            return {IdSeriesProblem::NotDigits, field.code, TextOf(field)};
    if (radios)
        for (const CodeView& field : fields)
            if (field.width > 0 && CapacityOf(field) < *radios)
                return {IdSeriesProblem::TooFewDigits, field.code, TextOf(field)};
    return {};
}

uint64_t IdSeriesCapacity(const RadioSettings& settings)
{
    uint64_t capacity = std::numeric_limits<uint64_t>::max();
    for (const CodeView& field : CodesOf(settings))
        if (field.width > 0)
            capacity = std::min(capacity, CapacityOf(field));
    return capacity;
}

void ApplySeriesIds(RadioSettings& settings, uint64_t n)
{
    AddToCode(SeriesCode::PttId, settings.PttId, settings.PttIdLength, n);
    AddToCode(SeriesCode::Ani, settings.Ani, settings.AniLength, n);
}
