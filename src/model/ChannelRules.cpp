#include "model/ChannelRules.h"

#include "model/ChannelFields.h"

namespace {

void FollowDecodeTone(ChannelRecord& channel, ToneType before, ToneType after)
{
    const bool toneAdded = before == ToneNone && after != ToneNone;
    const bool toneRemoved = before != ToneNone && after == ToneNone;
    const uint8_t mode = channel.ChSquelchMode();
    if (toneAdded && mode == SquelchCarrier)
        channel.SetChSquelchMode(SquelchTone);
    if (toneRemoved) {
        const bool dtmfKeepsGuard = channel.Dtmf() && (mode == SquelchDtmfAndTone || mode == SquelchDtmfOrTone);
        channel.SetChSquelchMode(dtmfKeepsGuard ? SquelchDtmf : SquelchCarrier);
    }
}

Entered<ToneSetting> EnterTone(std::string_view text, uint8_t& type, LeU16& code)
{
    const Entered<ToneSetting> entered = ToneEntry(text, {ToneType(type), ToneCode(code)});
    type = entered.value.type;
    code = entered.value.code;
    return entered;
}

}

Entered<uint32_t> EnterReceiveFrequency(RadioSettings& settings, unsigned channel, std::string_view megahertz,
                                        const BandLimits& band)
{
    ChannelRecord& record = settings.Channel[channel];
    if (megahertz.empty()) {
        settings.SetChannelUsed(channel, false);
        return {record.RxFreq, EntryOutcome::Accepted, {}, {}};
    }
    const Entered<uint32_t> entered = BandFrequencyEntry(megahertz, record.RxFreq, band);
    if (entered.outcome == EntryOutcome::Refused)
        return entered;
    record.RxFreq = entered.value;
    if (!settings.IsChannelUsed(channel)) {
        settings.SetChannelUsed(channel, true);
        FillNewChannel(record);
    }
    return entered;
}

Entered<uint32_t> EnterTransmitFrequency(ChannelRecord& channel, std::string_view megahertz, const BandLimits& band)
{
    const Entered<uint32_t> entered = TransmitFrequencyEntry(megahertz, channel.TxFreq, band);
    channel.TxFreq = entered.value;
    return entered;
}

Entered<ToneSetting> EnterDecodeTone(ChannelRecord& channel, std::string_view text)
{
    const ToneType before = ToneType(channel.DecType);
    const Entered<ToneSetting> entered = EnterTone(text, channel.DecType, channel.DecCode);
    if (entered.outcome != EntryOutcome::Refused)
        FollowDecodeTone(channel, before, ToneType(channel.DecType));
    return entered;
}

Entered<ToneSetting> EnterEncodeTone(ChannelRecord& channel, std::string_view text)
{
    return EnterTone(text, channel.EncType, channel.EncCode);
}

void FillNewChannel(ChannelRecord& channel)
{
    channel.TxFreq = uint32_t(channel.RxFreq);
    channel.DecType = ToneNone;
    channel.DecCode = 0;
    channel.EncType = ToneNone;
    channel.EncCode = 0;
    channel.OptA = 0;
    channel.OptB = 0;
    channel.Extra[0] = channel.Extra[1] = 0;
    channel.SetChSquelchMode(SquelchCarrier);
    channel.SetBandwidth(true);
    channel.SetPower(PowerHigh);
    channel.SetScanAdd(true);
    channel.SetDtmf(false);
    channel.SetBusyLock(BusyOff);
}

void StepPower(ChannelRecord& channel)
{
    switch (channel.Power()) {
    case PowerHigh:
        channel.SetPower(PowerLow);
        break;
    case PowerLow:
        channel.SetPower(PowerMid);
        break;
    case PowerMid:
        channel.SetPower(PowerHigh);
        break;
    case PowerMidAlternative:
        channel.SetPower(PowerMid);
        break;
    }
}

void StepBusyLock(ChannelRecord& channel)
{
    switch (channel.BusyLock()) {
    case BusyOff:
        channel.SetBusyLock(BusyCarrier);
        break;
    case BusyCarrier:
        channel.SetBusyLock(BusyTone);
        break;
    case BusyTone:
    case BusyUndefined:
        channel.SetBusyLock(BusyOff);
        break;
    }
}
