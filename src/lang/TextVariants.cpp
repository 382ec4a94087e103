#include "lang/TextVariants.h"

#include "lang/AppLang.h"
#include "text/GbkEncoding.h"

TextVariants::TextVariants(const TextPair* pairs, size_t count)
{
    Chinese_.reserve(count);
    English_.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        Chinese_.push_back(Utf8ToGbk(pairs[i].Chinese));
        English_.push_back(Utf8ToGbk(pairs[i].English));
    }
}

std::string TextVariants::Text(int entry) const
{
    if (entry < 0 || size_t(entry) >= Chinese_.size())
        return {};
    const auto& lang = AppLang();
    switch (lang.LangType()) {
    case TTeskFuncs::LangSimplifiedChinese:
    case TTeskFuncs::LangTraditionalChinese:
        return lang.FromGBK(Chinese_[size_t(entry)]);
    default:
        return lang.FromGBK(English_[size_t(entry)]);
    }
}

std::string TextVariants::EnglishText(int entry) const
{
    if (entry < 0 || size_t(entry) >= English_.size())
        return {};
    return English_[size_t(entry)];
}
