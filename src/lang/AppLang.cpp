#include "lang/AppLang.h"

#include "lang/SystemLanguage.h"
#include "lang/TraditionalTable.h"

namespace TTeskFuncs {

namespace {

constexpr uint16_t PrimaryLanguageMask = 0x03FF;
constexpr int SubLanguageShift = 10;
constexpr uint16_t PrimaryChinese = 0x04;
constexpr uint16_t SubChinesePrc = 0x02;
constexpr uint16_t SubChineseSingapore = 0x04;
constexpr uint8_t FirstByteFlip = 0x80;

TLangType DetectedLangType(uint16_t sysLangId)
{
    const uint16_t primary = sysLangId & PrimaryLanguageMask;
    const uint16_t sub = sysLangId >> SubLanguageShift;
    if (primary != PrimaryChinese)
        return LangEnglish;
    if (sub == SubChinesePrc || sub == SubChineseSingapore)
        return LangSimplifiedChinese;
    return LangTraditionalChinese;
}

bool IsGbkLead(uint8_t b) { return b >= GbkLeadFirst && b <= GbkLeadLast; }
bool IsGbkTrail(uint8_t b) { return b >= GbkTrailFirst && b <= GbkTrailLast; }

}

TAppLang::TAppLang(uint16_t sysLangId) : SysLangID_(sysLangId)
{
    fSetDetectType(DetectFromSystem);
}

void TAppLang::fSetLangType(TLangType type)
{
    LangType_ = type;
    DetectType_ = DetectExplicit;
}

void TAppLang::fSetDetectType(TDetectType type)
{
    DetectType_ = type;
    if (DetectType_ != DetectExplicit)
        LangType_ = DetectedLangType(SysLangID_);
}

std::string TAppLang::FromGBK(const std::string& gbk) const
{
    return LangType_ == LangTraditionalChinese ? GbkToTraditionalBig5(gbk) : gbk;
}

std::string GbkToTraditionalBig5(const std::string& gbk)
{
    const size_t n = gbk.size();
    std::string out(n, '\0');
    size_t i = 0;
    while (i < n) {
        const auto lead = uint8_t(gbk[i]);
        // Past the last byte the terminating zero stands in, which is never a trail byte.
        const auto trail = i + 1 < n ? uint8_t(gbk[i + 1]) : uint8_t(0);
        if (IsGbkLead(lead) && IsGbkTrail(trail)) {
            const uint16_t entry = TraditionalTable[TraditionalTableIndex(lead, trail)];
            out[i] = char(uint8_t(entry) ^ FirstByteFlip);
            out[i + 1] = char(uint8_t(entry >> 8));
            i += 2;
        } else {
            out[i] = char(lead);
            i += 1;
        }
    }
    return out;
}

}

TTeskFuncs::TAppLang& AppLang()
{
    static TTeskFuncs::TAppLang lang(TTeskFuncs::SystemLanguageId());
    return lang;
}

void ApplyLanguageSetting(LanguageSetting setting)
{
    using namespace TTeskFuncs;
    switch (setting) {
    case LanguageSetting::English:
        AppLang().fSetLangType(LangEnglish);
        break;
    case LanguageSetting::SimplifiedChinese:
        AppLang().fSetLangType(LangSimplifiedChinese);
        break;
    case LanguageSetting::TraditionalChinese:
        AppLang().fSetLangType(LangTraditionalChinese);
        break;
    default:
        AppLang().fSetDetectType(DetectFromSystem);
        break;
    }
}
