#include "RandomRecord.h"

#include <cstring>
#include <random>

#include "model/ToneLists.h"

namespace {

// The image keeps tens of hertz in eight BCD digits.
constexpr uint32_t LargestImageFrequency = 999999990;
constexpr uint32_t ImageFrequencyStep = 10;
constexpr size_t FirstNonHandshakeByte = offsetof(RadioSettings, Unused96);

void RandomTone(std::mt19937& random, uint8_t& type, LeU16& code)
{
    const auto& tones = ChannelToneList();
    const ToneListEntry& tone = tones[random() % tones.size()];
    type = tone.type;
    code = tone.code;
}

}

RadioSettings RandomRecord(uint32_t seed)
{
    std::mt19937 random(seed);
    RadioSettings settings;
    settings.ResetToDefaults();
    uint8_t* block = settings.BlockBytes();
    for (size_t i = offsetof(RadioSettings, AddrBookUsed); i < RadioSettingsBlockSize; ++i)
        block[i] = uint8_t(random());
    for (unsigned n = 1; n <= ChannelCount; ++n) {
        ChannelRecord& channel = settings.Channel[n];
        channel.RxFreq = random() % (LargestImageFrequency / ImageFrequencyStep) * ImageFrequencyStep;
        channel.TxFreq = random() % (LargestImageFrequency / ImageFrequencyStep) * ImageFrequencyStep;
        RandomTone(random, channel.DecType, channel.DecCode);
        RandomTone(random, channel.EncType, channel.EncCode);
    }
    for (unsigned k = 1; k <= AddrBookEntryCount; ++k)
        settings.Entry(k).EntryNumber = uint8_t(k);
    return settings;
}

MemoryImage PackedImage(const RadioSettings& settings, const BandLimits& band, const DateTimeStamp& when)
{
    RadioSettings copy = settings;
    MemoryImage image{};
    GetDataForWrite(copy, band, when, image);
    return image;
}

bool SameApartFromHandshake(const RadioSettings& a, const RadioSettings& b)
{
    return std::memcmp(a.BlockBytes() + FirstNonHandshakeByte, b.BlockBytes() + FirstNonHandshakeByte,
                       RadioSettingsBlockSize - FirstNonHandshakeByte) == 0;
}
