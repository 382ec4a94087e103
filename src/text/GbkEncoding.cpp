#include "text/GbkEncoding.h"

#include <algorithm>
#include <stdexcept>

#include "text/DoubleByteCodec.h"
#include "text/Utf8.h"

namespace {

const DoubleByteEncoder& GbkEncoder()
{
    static const DoubleByteEncoder encoder(GbkTable);
    return encoder;
}

}

std::string Utf8ToGbk(std::string_view utf8)
{
    if (auto gbk = TryUtf8ToGbk(utf8))
        return *gbk;
    throw std::runtime_error("text has no GBK form: " + std::string(utf8));
}

std::optional<std::string> TryUtf8ToGbk(std::string_view utf8) { return GbkEncoder().Encode(utf8); }

std::string GbkToUtf8(std::string_view gbk) { return DoubleByteToUtf8(GbkTable, gbk); }

std::optional<std::string> TryGbkToUtf8(std::string_view gbk) { return TryDoubleByteToUtf8(GbkTable, gbk); }

FittedGbk FitToGbk(std::string_view utf8, size_t capacity)
{
    FittedGbk fitted;
    for (size_t i = 0; i < utf8.size();) {
        // A byte that starts no character stands alone, and has no GBK form.
        const size_t length = std::max<size_t>(Utf8CharacterLength(utf8, i), 1);
        const std::string_view character = utf8.substr(i, length);
        i += length;
        std::optional<std::string> gbk = character[0] == '\0' ? std::nullopt : TryUtf8ToGbk(character);
        if (!gbk || gbk->empty()) {
            gbk = std::string(1, UnknownMark);
            fitted.replaced = true;
        }
        if (fitted.gbk.size() + gbk->size() > capacity) {
            fitted.cut = true;
            break;
        }
        fitted.gbk += *gbk;
    }
    return fitted;
}
