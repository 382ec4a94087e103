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

// The names a person reads, as the example findings of the check list show them.
TEST(FindingPlace, NamesAValueAsAPersonReadsIt)
{
    const struct {
        RecordFinding finding;
        const char* english;
        const char* traditional;
    } cases[] = {
        {{3, "RxFreq", "770.00000", RecordProblem::OutsideBand}, "Channel 3, receive frequency", "信道 3，接收頻率"},
        {{12, "EncType/EncCode", "1/0x9999", RecordProblem::InvalidTone}, "Channel 12, transmit tone",
         "信道 12，發射亞音頻"},
        {{0, "Key1Long", "99", RecordProblem::OutsideList}, "Key 1 Long Press", "按鍵 1 長按"},
        {{0, "AddrBook[5].IdLength", "20", RecordProblem::TooLong, 5}, "Address book entry 5, code",
         "通訊錄第 5 項，編碼"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindingPlace(c.finding, TTeskFuncs::LangEnglish), c.english);
        EXPECT_EQ(FindingPlace(c.finding, TTeskFuncs::LangTraditionalChinese), c.traditional);
    }
}

}
