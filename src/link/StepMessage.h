#pragma once

#include <optional>

#include "lang/Messages.h"
#include "link/engine/LinkEngine.h"

// What the transfer dialog says under its bar while the link reaches the radio; the blocks go by
// without words, the bar tells them.
inline std::optional<Message> StepMessage(int linkStep)
{
    if (linkStep == 0)
        return Message{MessageId::Connecting};
    if (linkStep < BlockStep)
        return Message{MessageId::CheckingPassword};
    return std::nullopt;
}
