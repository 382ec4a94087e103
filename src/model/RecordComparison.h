#pragma once

#include <string>
#include <vector>

#include "model/ChannelFields.h"
#include "model/OptionTable.h"
#include "model/RadioSettings.h"

// Two records compared as a person reads what a radio holds: what goes into the radio's memory,
// field by field, and the password. A channel or address-book entry not in use has no values,
// whatever bytes its record carries; what the record keeps only for the file (channel names, the
// options the radio is never sent) and what a radio reports of itself (serial number, firmware,
// band, last-programmed time) are no differences.


enum class DifferenceKind {
    ChannelUse,        // a channel in use in one record only
    Channel,           // a value of a channel both records use
    Option,            // an option, DTMF or key field of the option table
    DtmfCode,          // one of the DTMF codes
    AddressBookEntry,  // an entry in use in one record only, or with another name or number
    Password,
};

struct FieldDifference {
    DifferenceKind kind = DifferenceKind::Password;
    unsigned number = 0;  // the channel or address-book entry, 1..16; 0 for the other kinds
    ChannelValue value = ChannelValue::RxFreq;  // of DifferenceKind::Channel
    const OptionField* option = nullptr;        // of DifferenceKind::Option
    const DtmfCodeField* code = nullptr;        // of DifferenceKind::DtmfCode

    bool operator==(const FieldDifference& o) const
    {
        return kind == o.kind && number == o.number && value == o.value && option == o.option && code == o.code;
    }
};

// The record as a radio written with it holds it: packed into the memory image for a fixed band
// and time and unpacked onto a new record, with the record's password. Comparing such records
// sees what the radio sees: frequencies to 10 Hz, a tone "Off" however it is stored.
RadioSettings HeldByRadio(const RadioSettings& settings);

// Every field in which radios written with the two records differ, in record order: channels,
// address book, DTMF codes, options and keys, password. Empty when they hold the same.
std::vector<FieldDifference> CompareRecords(const RadioSettings& first, const RadioSettings& second);
// The same for two records already as radios hold them (HeldByRadio), for a caller that words the
// values it compared.
std::vector<FieldDifference> CompareHeldRecords(const RadioSettings& first, const RadioSettings& second);

// The field's name for scripts, after the record's field names: "Channel[3].TxFreq",
// "Channel[3].Used", "AddrBook[2]", "Vox", "PttId", "Key1Short", "Password".
std::string DifferenceKey(const FieldDifference& difference);

// The record's field name of a channel value, as the record check names it ("DecType/DecCode").
const char* ChannelValueName(ChannelValue value);

// A read presents a password, which a radio without one admits as well: after a successful read
// the record holds the radio's own password, none when the radio reported none.
void TakeRadioPassword(RadioSettings& read);
