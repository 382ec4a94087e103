#include "lang/TextVariants.h"

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

std::string TextVariants::Text(int entry, TTeskFuncs::TLangType language) const
{
    if (entry < 0 || size_t(entry) >= Chinese_.size())
        return {};
    switch (language) {
    case TTeskFuncs::LangSimplifiedChinese:
        return Chinese_[size_t(entry)];
    case TTeskFuncs::LangTraditionalChinese:
        return TTeskFuncs::GbkToTraditionalBig5(Chinese_[size_t(entry)]);
    default:
        return English_[size_t(entry)];
    }
}

std::string TextVariants::Text(int entry) const { return Text(entry, AppLang().LangType()); }

std::string TextVariants::EnglishText(int entry) const
{
    if (entry < 0 || size_t(entry) >= English_.size())
        return {};
    return English_[size_t(entry)];
}
