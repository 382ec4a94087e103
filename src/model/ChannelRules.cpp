#include "model/ChannelRules.h"

#include "model/ChannelFields.h"
#include "model/Frequency.h"
#include "model/Tone.h"

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

bool ParseTone(std::string_view text, uint8_t& type, LeU16& code)
{
    ToneType parsedType = ToneType(type);
    ToneCode parsedCode = code;
    if (!ParseToneText(text, parsedType, parsedCode))
        return false;
    type = parsedType;
    code = parsedCode;
    return true;
}

}

void EnterReceiveFrequency(RadioSettings& settings, unsigned channel, std::string_view megahertz)
{
    if (megahertz.empty()) {
        settings.SetChannelUsed(channel, false);
        return;
    }
    const auto hz = ParseMegahertz(megahertz);
    if (!hz)
        return;
    ChannelRecord& record = settings.Channel[channel];
    record.RxFreq = SnapFrequencyInBand(*hz);
    if (!settings.IsChannelUsed(channel)) {
        settings.SetChannelUsed(channel, true);
        FillNewChannel(record);
    }
}

void EnterTransmitFrequency(ChannelRecord& channel, std::string_view megahertz)
{
    const auto hz = ParseMegahertz(megahertz);
    if (!hz)
        return;
    channel.TxFreq = *hz == 0 ? 0 : SnapFrequencyInBand(*hz);
}

void EnterDecodeTone(ChannelRecord& channel, std::string_view text)
{
    const ToneType before = ToneType(channel.DecType);
    if (ParseTone(text, channel.DecType, channel.DecCode))
        FollowDecodeTone(channel, before, ToneType(channel.DecType));
}

void EnterEncodeTone(ChannelRecord& channel, std::string_view text)
{
    ParseTone(text, channel.EncType, channel.EncCode);
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
