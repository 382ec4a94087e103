#include "lang/EntryOutcomeText.h"

std::optional<Message> EntryOutcomeMessage(EntryOutcome outcome, const std::string& typed, const std::string& stored)
{
    const std::vector<MessageArg> args = {typed, stored};
    switch (outcome) {
    case EntryOutcome::Accepted:
        break;
    case EntryOutcome::SnappedToRaster:
        return Message(MessageId::EntrySnappedToRaster, args);
    case EntryOutcome::ClampedToBand:
        return Message(MessageId::EntryClampedToRange, args);
    case EntryOutcome::CharactersDropped:
        return Message(MessageId::EntryCharactersDropped, args);
    case EntryOutcome::Refused:
        return Message(MessageId::EntryRefused, args);
    }
    return std::nullopt;
}
