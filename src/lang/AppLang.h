#pragma once

#include <cstdint>
#include <string>

#include "lang/LanguageSetting.h"

namespace TTeskFuncs {

enum TLangType : uint8_t { LangEnglish = 1, LangSimplifiedChinese = 2, LangTraditionalChinese = 3 };
enum TDetectType : uint8_t { DetectFromSystem = 0, DetectExplicit = 1 };

// The program's language: chosen explicitly or following the system language, and the
// conversion of the GBK texts to Big5 traditional characters when Traditional Chinese is shown.
class TAppLang {
public:
    // `sysLangId` is a Windows-style language identifier: primary language in the low 10 bits,
    // sublanguage above them.
    explicit TAppLang(uint16_t sysLangId);
    virtual ~TAppLang() = default;

    uint16_t SysLangID() const { return SysLangID_; }
    TLangType LangType() const { return LangType_; }
    TDetectType DetectType() const { return DetectType_; }

    void fSetLangType(TLangType type);
    void fSetDetectType(TDetectType type);

    // Same number of bytes out as in; converted only when the language type is Traditional Chinese.
    std::string FromGBK(const std::string& gbk) const;

private:
    uint16_t SysLangID_;
    TLangType LangType_ = LangEnglish;
    TDetectType DetectType_ = DetectFromSystem;
};

// The system language identifier read from the locale (LC_ALL, LC_MESSAGES, LANG).
uint16_t SystemLanguageId();

// The GBK text with every double-byte character replaced by its Big5 traditional form; all other
// bytes are copied, so the output has as many bytes as the input.
std::string GbkToTraditionalBig5(const std::string& gbk);

}

// The one language object of the process, built from the system language on first use.
TTeskFuncs::TAppLang& AppLang();

// Sets the language object to the settings file's choice; a value outside the three languages
// lets the system language decide.
void ApplyLanguageSetting(LanguageSetting setting);
