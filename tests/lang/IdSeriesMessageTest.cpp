#include <gtest/gtest.h>

#include "lang/IdSeriesMessage.h"

namespace {

TEST(IdSeriesMessage, NamesTheCodeItsTextAndTheRadios)
{
    const struct {
        IdSeriesProblem problem;
        SeriesCode code;
        const char* text;
        std::optional<uint64_t> radios;
        const char* english;
    } cases[] = {
        {IdSeriesProblem::NotDigits, SeriesCode::Ani, "1A3", std::nullopt,
         "ANI \"1A3\" holds A-D, * or #: only the digits 0-9 can be increased."},
        {IdSeriesProblem::TooFewDigits, SeriesCode::PttId, "999", 2, "PTT ID \"999\" has too few digits for 2 radios."},
        {IdSeriesProblem::BothEmpty, SeriesCode::PttId, "", 40,
         "PTT ID and ANI are both empty: there is nothing to increase."},
    };
    for (const auto& c : cases) {
        IdSeriesCheck check;
        check.problem = c.problem;
        check.code = c.code;
        check.text = c.text;
        EXPECT_EQ(EnglishMessage(IdSeriesMessage(check, c.radios)), c.english);
    }
}

}  // namespace
