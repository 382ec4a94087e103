#include "ui/editors/NameText.h"

#include <algorithm>
#include <cstring>

#include <QStringDecoder>
#include <QStringEncoder>

#include "model/RadioSettings.h"

namespace {

constexpr const char* NameEncoding = "GBK";

QByteArray Encoded(const QString& name)
{
    QStringEncoder encoder(NameEncoding);
    return encoder.encode(name);
}

}

QString NameFromBytes(const uint8_t* bytes, size_t capacity)
{
    const auto* text = reinterpret_cast<const char*>(bytes);
    const size_t length = size_t(std::find(text, text + capacity, '\0') - text);
    QStringDecoder decoder(NameEncoding);
    return decoder.decode(QByteArrayView(text, qsizetype(length)));
}

void StoreName(const QString& name, uint8_t* bytes, size_t capacity)
{
    const QByteArray encoded = Encoded(name);
    std::memset(bytes, 0, capacity);
    std::memcpy(bytes, encoded.constData(), std::min(capacity, size_t(encoded.size())));
}

QString CorrectNameText(const QString& text)
{
    if (size_t(Encoded(text).size()) > NameCapacity)
        return text.left(text.size() - 1);
    return text;
}
