#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include <QString>

#include "model/RadioSettings.h"

// The record's option, DTMF and key fields by name, for the dumps and the JSON round trip.

struct NumberField {
    const char* name;
    unsigned (*get)(const RadioSettings&);
    void (*set)(RadioSettings&, unsigned);
    unsigned max;  // what the field's width holds
};

const std::vector<NumberField>& NumberFields();

struct DtmfCodeField {
    const char* name;
    uint8_t (RadioSettings::*codes)[DtmfCodeCapacity];
    uint8_t RadioSettings::*length;
};

const std::vector<DtmfCodeField>& DtmfCodeFields();

// Fixed-size text fields end at their first zero byte; they are GBK like every text of the radio.
QString FieldText(const uint8_t* bytes, size_t size);

QString DtmfCodeText(const RadioSettings& s, const DtmfCodeField& f);
QString EntryIdText(const AddressBookEntry& e);
