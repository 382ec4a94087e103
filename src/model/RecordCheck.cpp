#include "model/RecordCheck.h"

#include <cstdio>

#include "model/Frequency.h"
#include "model/OptionTable.h"
#include "model/Tone.h"

namespace {

constexpr uint8_t PowerChoices = 3;
constexpr uint8_t BusyLockChoices = 3;
constexpr uint8_t ChannelSquelchModes = 5;

std::string Hex(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", unsigned(value));
    return text;
}

class Checker {
public:
    explicit Checker(const BandLimits& band) : band_(band) {}

    void Channel(unsigned n, const ChannelRecord& ch)
    {
        Frequency(n, "RxFreq", ch.RxFreq);
        // A transmit frequency of 0 is a receive-only channel, which the editors allow.
        if (ch.TxFreq != 0)
            Frequency(n, "TxFreq", ch.TxFreq);
        ToneField(n, "DecType/DecCode", ch.DecType, ch.DecCode);
        ToneField(n, "EncType/EncCode", ch.EncType, ch.EncCode);
        Choice(n, "Power", ch.Power(), ch.Power() < PowerChoices);
        Choice(n, "BusyLock", ch.BusyLock(), ch.BusyLock() < BusyLockChoices);
        Choice(n, "ChSquelchMode", ch.ChSquelchMode(), ch.ChSquelchMode() < ChannelSquelchModes);
    }

    void Length(const std::string& field, uint32_t length, size_t capacity, unsigned entry = 0)
    {
        if (length > capacity)
            Add(0, field, std::to_string(length), RecordProblem::TooLong, entry);
    }

    void Choice(unsigned n, const std::string& field, uint32_t value, bool allowed)
    {
        if (!allowed)
            Add(n, field, std::to_string(value), RecordProblem::OutsideList);
    }

    std::vector<RecordFinding> Findings() && { return std::move(findings_); }

private:
    void Frequency(unsigned n, const char* field, uint32_t hz)
    {
        if (hz < band_.BandMin || hz > band_.BandMax)
            Add(n, field, FormatFrequency(hz), RecordProblem::OutsideBand);
        else if (!IsOnRaster(hz))
            Add(n, field, FormatFrequency(hz), RecordProblem::OffRaster);
    }

    void ToneField(unsigned n, const char* field, uint8_t type, uint16_t code)
    {
        if (!IsValidTone(ToneType(type), code))
            Add(n, field, std::to_string(type) + "/" + Hex(code), RecordProblem::InvalidTone);
    }

    void Add(unsigned n, const std::string& field, std::string value, RecordProblem problem, unsigned entry = 0)
    {
        findings_.push_back({n, field, std::move(value), problem, entry});
    }

    const BandLimits& band_;
    std::vector<RecordFinding> findings_;
};

}

std::vector<RecordFinding> CheckRecord(const RadioSettings& settings, const BandLimits& band)
{
    Checker check(band);
    for (unsigned n = 1; n <= ChannelCount; ++n)
        if (settings.IsChannelUsed(n))
            check.Channel(n, settings.Channel[n]);
    for (unsigned k = 1; k <= AddrBookEntryCount; ++k)
        if (settings.IsAddrBookEntryUsed(k))
            check.Length("AddrBook[" + std::to_string(k) + "].IdLength", settings.Entry(k).IdLength,
                         AddrBookIdCapacity, k);
    for (const DtmfCodeField& code : DtmfCodeFields())
        check.Length(code.lengthName, code.Length(settings), DtmfCodeCapacity);
    for (const OptionField& field : OptionFields()) {
        const uint32_t value = field.Get(settings);
        check.Choice(0, field.name, value, field.Offers(value));
    }
    return std::move(check).Findings();
}
