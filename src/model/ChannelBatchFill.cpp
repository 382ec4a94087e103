#include "model/ChannelBatchFill.h"

#include "model/Frequency.h"

namespace {

void FillChannel(ChannelRecord& channel, const ChannelBatch& batch, uint32_t offset)
{
    channel.RxFreq = SnapFrequencyInBand(batch.rxStart + offset);
    channel.TxFreq = SnapFrequencyInBand(batch.txStart + offset);
    channel.DecCode = batch.decCode;
    channel.DecType = batch.decType;
    channel.EncCode = batch.encCode;
    channel.EncType = batch.encType;
    channel.OptA = 0;
    channel.OptB = 0;
    channel.Extra[0] = channel.Extra[1] = 0;
    channel.SetBandwidth(batch.wide);
    channel.SetPower(batch.power);
    channel.SetScanAdd(batch.scanAdd);
    channel.SetBusyLock(batch.busyLock);
}

}

bool ApplyChannelBatch(RadioSettings& settings, const ChannelBatch& batch)
{
    if (batch.first > batch.last || batch.first < 1 || batch.last > ChannelCount)
        return false;
    uint32_t offset = 0;
    for (unsigned i = batch.first; i <= batch.last; ++i) {
        settings.SetChannelUsed(i, true);
        FillChannel(settings.Channel[i], batch, offset);
        offset += batch.step;
    }
    return true;
}
