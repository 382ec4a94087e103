#include "cli/RecordFields.h"

#include <QStringDecoder>

#include "model/DtmfDigits.h"

QString FieldText(const uint8_t* bytes, size_t size)
{
    size_t n = 0;
    while (n < size && bytes[n] != 0)
        ++n;
    QStringDecoder gbk("GBK");
    return gbk.decode(QByteArray(reinterpret_cast<const char*>(bytes), int(n)));
}

QString EntryIdText(const AddressBookEntry& e)
{
    return QString::fromStdString(DtmfText(e.Id, AddrBookIdCapacity, e.IdLength));
}
