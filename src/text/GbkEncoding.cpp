#include "text/GbkEncoding.h"

#include <stdexcept>

#include "text/DoubleByteCodec.h"

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

std::string Utf8ToGbkMarkingUnknown(std::string_view utf8) { return GbkEncoder().EncodeMarkingUnknown(utf8); }

std::string GbkToUtf8(std::string_view gbk) { return DoubleByteToUtf8(GbkTable, gbk); }

std::optional<std::string> TryGbkToUtf8(std::string_view gbk) { return TryDoubleByteToUtf8(GbkTable, gbk); }
