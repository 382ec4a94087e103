#include "cli/RecordFields.h"

#include "model/DtmfDigits.h"
#include "text/GbkEncoding.h"

QString FieldText(const uint8_t* bytes, size_t size)
{
    size_t n = 0;
    while (n < size && bytes[n] != 0)
        ++n;
    return QString::fromStdString(GbkToUtf8(std::string_view(reinterpret_cast<const char*>(bytes), n)));
}

QString EntryIdText(const AddressBookEntry& e)
{
    return QString::fromStdString(DtmfText(e.Id, AddrBookIdCapacity, e.IdLength));
}
