#include "lang/EntryMessage.h"

#include "model/Frequency.h"

namespace {

// Band limits as people say them: "400", "136.5".
std::string MegahertzWithoutZeros(uint32_t hz)
{
    std::string text = FormatFrequency(hz);
    if (text.find('.') == std::string::npos)
        return text;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

MessageId ClampMessage(const std::string& typed, const BandLimits& band)
{
    const auto hz = ParseMegahertz(typed);
    return hz && *hz > band.BandMax ? MessageId::EntryAboveBand : MessageId::EntryBelowBand;
}

}

std::optional<Message> EntryMessage(EnteredField field, EntryOutcome outcome, const std::string& typed,
                                    const std::string& stored, const BandLimits& band)
{
    switch (outcome) {
    case EntryOutcome::Accepted:
        return std::nullopt;
    case EntryOutcome::SnappedToRaster:
        return Message(MessageId::EntryOffRaster, {stored, typed});
    case EntryOutcome::ClampedToBand: {
        const std::string limits = MegahertzWithoutZeros(band.BandMin) + "-" + MegahertzWithoutZeros(band.BandMax);
        return Message(ClampMessage(typed, band), {stored, typed, limits});
    }
    case EntryOutcome::CharactersDropped:
        return Message(MessageId::EntryCutToFit, {stored, typed});
    case EntryOutcome::Refused:
        return Message(field == EnteredField::Tone ? MessageId::EntryNotATone : MessageId::EntryNotAFrequency,
                       {stored, typed});
    }
    return std::nullopt;
}

Message KeysLeftOutMessage(const std::string& stored, const std::string& leftOut)
{
    return {MessageId::EntryKeysLeftOut, {stored, leftOut}};
}
