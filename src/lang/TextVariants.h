#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "lang/AppLang.h"

// One numbered text as written in the source, both columns in UTF-8.
struct TextPair {
    const char* Chinese;
    const char* English;
};

// A numbered text table held as 8-bit strings, encoded once when it is built. The Simplified and
// the Traditional Chinese variant are the same GBK texts; Traditional characters come from
// AppLang's FromGBK at lookup. English texts are ASCII, except for the odd full-width punctuation
// mark they share with the Chinese texts, which is GBK as well.
class TextVariants {
public:
    template <size_t N>
    explicit TextVariants(const TextPair (&pairs)[N]) : TextVariants(pairs, N)
    {
    }
    TextVariants(const TextPair* pairs, size_t count);

    // The text of the entry in `language`; empty for an entry outside the table.
    std::string Text(int entry, TTeskFuncs::TLangType language) const;
    // The same in AppLang's current language.
    std::string Text(int entry) const;
    // The English text whatever the current language.
    std::string EnglishText(int entry) const;

private:
    std::vector<std::string> Chinese_;
    std::vector<std::string> English_;
};
