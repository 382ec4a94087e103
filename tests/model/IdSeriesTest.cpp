#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "model/DtmfDigits.h"
#include "model/IdSeries.h"

namespace {

RadioSettings WithCodes(const std::string& pttId, const std::string& ani)
{
    RadioSettings s{};
    StoreDtmfText(pttId, s.PttId, DtmfCodeCapacity, s.PttIdLength);
    StoreDtmfText(ani, s.Ani, DtmfCodeCapacity, s.AniLength);
    return s;
}

std::string PttIdOf(const RadioSettings& s) { return DtmfText(s.PttId, DtmfCodeCapacity, s.PttIdLength); }
std::string AniOf(const RadioSettings& s) { return DtmfText(s.Ani, DtmfCodeCapacity, s.AniLength); }

TEST(IdSeries, RadioNGetsTheFirstCodesPlusNAtTheirWidth)
{
    struct Row {
        std::string pttId, ani;
        uint64_t n;
        std::string wantPttId, wantAni;
    };
    const Row rows[] = {
        {"001", "", 5, "006", ""},
        {"099", "7", 1, "100", "8"},
        {"0000000000", "42", 57, "0000000057", "99"},
        {"9999999998", "", 1, "9999999999", ""},
        {"", "0", 0, "", "0"},
    };
    for (const Row& row : rows) {
        RadioSettings s = WithCodes(row.pttId, row.ani);
        ApplySeriesIds(s, row.n);
        EXPECT_EQ(PttIdOf(s), row.wantPttId) << row.pttId << " + " << row.n;
        EXPECT_EQ(AniOf(s), row.wantAni) << row.ani << " + " << row.n;
        EXPECT_EQ(s.PttIdLength, row.pttId.size());
        EXPECT_EQ(s.AniLength, row.ani.size());
    }
}

TEST(IdSeries, CheckNamesTheCodeThatCannotBeCounted)
{
    struct Row {
        std::string pttId, ani;
        std::optional<uint64_t> radios;
        IdSeriesProblem problem;
        SeriesCode code;
        std::string text;
    };
    const Row rows[] = {
        {"001", "100", 3, IdSeriesProblem::None, SeriesCode::PttId, ""},
        {"998", "", 2, IdSeriesProblem::None, SeriesCode::PttId, ""},
        {"999", "", 2, IdSeriesProblem::TooFewDigits, SeriesCode::PttId, "999"},
        {"100", "95", 6, IdSeriesProblem::TooFewDigits, SeriesCode::Ani, "95"},
        {"1A", "12", 2, IdSeriesProblem::NotDigits, SeriesCode::PttId, "1A"},
        {"12", "*3#", std::nullopt, IdSeriesProblem::NotDigits, SeriesCode::Ani, "*3#"},
        {"999", "", std::nullopt, IdSeriesProblem::None, SeriesCode::PttId, ""},
        {"", "", 1, IdSeriesProblem::BothEmpty, SeriesCode::PttId, ""},
        {"", "", std::nullopt, IdSeriesProblem::BothEmpty, SeriesCode::PttId, ""},
    };
    for (const Row& row : rows) {
        const IdSeriesCheck check = CheckIdSeries(WithCodes(row.pttId, row.ani), row.radios);
        const std::string which = row.pttId + "/" + row.ani;
        EXPECT_EQ(check.problem, row.problem) << which;
        EXPECT_EQ(check.Ok(), row.problem == IdSeriesProblem::None) << which;
        if (!check.Ok() && row.problem != IdSeriesProblem::BothEmpty) {
            EXPECT_EQ(check.code, row.code) << which;
            EXPECT_EQ(check.text, row.text) << which;
        }
    }
}

TEST(IdSeries, CapacityIsTheNarrowestCodesRoom)
{
    EXPECT_EQ(IdSeriesCapacity(WithCodes("995", "")), 5u);
    EXPECT_EQ(IdSeriesCapacity(WithCodes("0", "990")), 10u);
    EXPECT_EQ(IdSeriesCapacity(WithCodes("", "0000000000")), 10000000000u);
    EXPECT_EQ(IdSeriesCapacity(WithCodes("12", "1#")), 0u);
    // The last radio of a full series still has a number; one more would need another digit.
    RadioSettings last = WithCodes("995", "");
    ApplySeriesIds(last, IdSeriesCapacity(last) - 1);
    EXPECT_EQ(PttIdOf(last), "999");
}

}  // namespace
