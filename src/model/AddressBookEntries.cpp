#include "model/AddressBookEntries.h"

#include <algorithm>
#include <cstring>

#include "model/DtmfDigits.h"

namespace {

// A newly named entry dials "0" until it is given a code.
constexpr uint8_t NewEntryCodeLength = 1;

}

bool AddressBookEntryNamed(const RadioSettings& settings, unsigned k)
{
    return settings.IsAddrBookEntryUsed(k) && settings.Entry(k).EntryName[0] != 0;
}

void NameAddressBookEntry(RadioSettings& settings, unsigned k, const std::string& gbkName)
{
    if (gbkName.empty()) {
        settings.SetAddrBookEntryUsed(k, false);
        return;
    }
    AddressBookEntry& entry = settings.Entry(k);
    if (!settings.IsAddrBookEntryUsed(k)) {
        settings.SetAddrBookEntryUsed(k, true);
        std::memset(entry.Id, 0, AddrBookIdCapacity);
        entry.IdLength = NewEntryCodeLength;
    }
    std::memset(entry.EntryName, 0, NameCapacity);
    std::memcpy(entry.EntryName, gbkName.data(), std::min(NameCapacity, gbkName.size()));
}

void SetAddressBookCode(RadioSettings& settings, unsigned k, std::string_view symbols)
{
    if (symbols.empty()) {
        settings.SetAddrBookEntryUsed(k, false);
        return;
    }
    AddressBookEntry& entry = settings.Entry(k);
    StoreDtmfText(symbols, entry.Id, AddrBookIdCapacity, entry.IdLength);
}

std::string AddressBookCodeText(const RadioSettings& settings, unsigned k)
{
    if (!settings.IsAddrBookEntryUsed(k))
        return {};
    const AddressBookEntry& entry = settings.Entry(k);
    return DtmfText(entry.Id, AddrBookIdCapacity, entry.IdLength);
}
