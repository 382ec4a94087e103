#pragma once

#include <optional>
#include <string>

#include "lang/Messages.h"
#include "model/TypedEntry.h"

// What the user is told when a field's rule changed a typed value or refused it; nothing when the
// value was stored as typed.
std::optional<Message> EntryOutcomeMessage(EntryOutcome outcome, const std::string& typed, const std::string& stored);

template <typename Value>
std::optional<Message> EntryOutcomeMessage(const Entered<Value>& entered)
{
    return EntryOutcomeMessage(entered.outcome, entered.typed, entered.stored);
}
