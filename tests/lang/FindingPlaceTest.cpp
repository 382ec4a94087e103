#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "lang/FindingPlace.h"

namespace {

bool HasChinese(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return uint8_t(c) > 0x7F; });
}

// A record of nothing but 0xFF bytes fails nearly every rule: each field found is named in the
// interface's words, never by the record's member name.
TEST(FindingPlace, EveryFieldTheCheckFindsIsNamedInTheInterfaceLanguage)
{
    RadioSettings settings{};
    std::memset(settings.BlockBytes(), 0xFF, RadioSettingsBlockSize);
    std::vector<RecordFinding> findings = CheckRecord(settings, BandLimits{});
    findings.push_back({0, "file size", "4028", RecordProblem::WrongSize});
    for (const RecordFinding& finding : findings) {
        const std::string place = FindingPlace(finding, TTeskFuncs::LangSimplifiedChinese);
        EXPECT_EQ(place.find(finding.field), std::string::npos) << place;
        EXPECT_TRUE(HasChinese(place)) << finding.field << ": " << place;
    }
}

}
