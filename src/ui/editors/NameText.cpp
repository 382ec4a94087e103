#include "ui/editors/NameText.h"

#include <algorithm>
#include <cstring>

#include "model/RadioSettings.h"
#include "text/GbkEncoding.h"

namespace {

std::string Encoded(const QString& name) { return Utf8ToGbkMarkingUnknown(name.toStdString()); }

}

QString NameFromBytes(const uint8_t* bytes, size_t capacity)
{
    const auto* text = reinterpret_cast<const char*>(bytes);
    const size_t length = size_t(std::find(text, text + capacity, '\0') - text);
    return QString::fromStdString(GbkToUtf8(std::string_view(text, length)));
}

void StoreName(const QString& name, uint8_t* bytes, size_t capacity)
{
    const std::string encoded = Encoded(name);
    std::memset(bytes, 0, capacity);
    std::memcpy(bytes, encoded.data(), std::min(capacity, encoded.size()));
}

QString CorrectNameText(const QString& text)
{
    if (size_t(Encoded(text).size()) > NameCapacity)
        return text.left(text.size() - 1);
    return text;
}
