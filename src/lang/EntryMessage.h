#pragma once

#include <optional>
#include <string>

#include "lang/Messages.h"
#include "model/BandLimits.h"
#include "model/TypedEntry.h"

// What to tell the user when a field's rule did not store a typed value as it was typed: one
// sentence that starts with what the field shows now and says why. Nothing when the value was
// stored as typed, so that a front end clears what it said before.

enum class EnteredField : uint8_t { Frequency, Tone, Name };

// `band` is the band a frequency was clamped to; the other fields are never clamped.
std::optional<Message> EntryMessage(EnteredField field, EntryOutcome outcome, const std::string& typed,
                                    const std::string& stored, const BandLimits& band = {});

template <typename Value>
std::optional<Message> EntryMessage(EnteredField field, const Entered<Value>& entered, const BandLimits& band = {})
{
    return EntryMessage(field, entered.outcome, entered.typed, entered.stored, band);
}

// Characters a key filter or a length rule took out while the value was typed.
Message KeysLeftOutMessage(const std::string& stored, const std::string& leftOut);
