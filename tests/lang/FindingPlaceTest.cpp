#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "lang/AppLang.h"
#include "lang/FindingPlace.h"

namespace {

bool HasChinese(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0x7F; });
}

// A record of nothing but 0xFF bytes fails nearly every rule: each field found is named in the
// interface's words, never by the record's member name.
TEST(FindingPlace, EveryFieldTheCheckFindsIsNamedInTheInterfaceLanguage)
{
    ApplyLanguageSetting(LanguageSetting::SimplifiedChinese);
    RadioSettings settings{};
    std::memset(settings.BlockBytes(), 0xFF, RadioSettingsBlockSize);
    std::vector<RecordFinding> findings = CheckRecord(settings, BandLimits{});
    findings.push_back({0, "file size", "4028", RecordProblem::WrongSize});
    for (const RecordFinding& finding : findings) {
        const QString place = FindingPlace(finding);
        EXPECT_FALSE(place.contains(QString::fromStdString(finding.field))) << place.toStdString();
        EXPECT_TRUE(HasChinese(place)) << finding.field << ": " << place.toStdString();
    }
}

}
