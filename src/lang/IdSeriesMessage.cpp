#include "lang/IdSeriesMessage.h"

#include <string>

namespace {

// The names the radio's own menus use, so the same in every language.
constexpr const char* PttIdName = "PTT ID";
constexpr const char* AniName = "ANI";

const char* CodeName(SeriesCode code) { return code == SeriesCode::Ani ? AniName : PttIdName; }

}  // namespace

Message IdSeriesMessage(const IdSeriesCheck& check, std::optional<uint64_t> radios)
{
    switch (check.problem) {
    case IdSeriesProblem::BothEmpty:
        return {MessageId::IdsBothEmpty};
    case IdSeriesProblem::TooFewDigits:
        return {MessageId::IdTooFewDigits, {CodeName(check.code), check.text, std::to_string(radios.value_or(0))}};
    default:
        return {MessageId::IdNotDigits, {CodeName(check.code), check.text}};
    }
}
