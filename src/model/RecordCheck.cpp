#include "model/RecordCheck.h"

#include <cstdio>

#include "model/Frequency.h"
#include "model/Tone.h"

namespace {

constexpr uint8_t PowerChoices = 3;
constexpr uint8_t BusyLockChoices = 3;
constexpr uint8_t ChannelSquelchModes = 5;

using Reader = uint32_t (*)(const RadioSettings&);
using Allowed = bool (*)(uint32_t);

// Values First, First + Step, ... up to Last: how the choice lists turn an index into a value.
template <uint32_t First, uint32_t Last, uint32_t Step = 1>
bool Steps(uint32_t value)
{
    return value >= First && value <= Last && (value - First) % Step == 0;
}

constexpr auto Flag = Steps<0, 1>;

bool ApoMinutes(uint32_t value) { return value == 0 || value == 10 || value == 30 || value == 60 || value == 120; }
// OFF, or the symbols A-D, * and # as their DTMF codes.
bool GroupCodeSymbol(uint32_t value) { return value == 0 || Steps<10, 15>(value); }
constexpr uint32_t LastKeyFunction = 23;
// The long-press list lacks the four monitor and squelch functions 2-5.
bool LongKeyFunction(uint32_t value) { return Steps<0, LastKeyFunction>(value) && !Steps<2, 5>(value); }

struct OptionRule {
    const char* field;
    Reader read;
    Allowed allowed;
};

#define KR_OPTION(name, allowed) \
    OptionRule { #name, [](const RadioSettings& s) { return uint32_t(s.name); }, allowed }

const OptionRule OptionRules[] = {
    KR_OPTION(Voice, (Steps<0, 2>)),
    KR_OPTION(Sql, (Steps<0, 9>)),
    KR_OPTION(SquelchMode, (Steps<0, ChannelSquelchModes - 1>)),
    KR_OPTION(SubaudioTail, (Steps<1, 3>)),
    KR_OPTION(VoxCtrl, Flag),
    KR_OPTION(Vox, (Steps<1, 9>)),
    KR_OPTION(VoxDelay, (Steps<500, 3000, 500>)),
    KR_OPTION(Tot, (Steps<0, 240, 30>)),
    KR_OPTION(Scan, (Steps<0, 2>)),
    KR_OPTION(PriScan, (Steps<0, ChannelCount>)),
    KR_OPTION(Beep, Flag),
    KR_OPTION(Saving, Flag),
    KR_OPTION(Apo, ApoMinutes),
    KR_OPTION(ChannelReport, Flag),
    KR_OPTION(Tone1750Ctrl, Flag),
    KR_OPTION(Tone1750, (Steps<1, 5>)),
    KR_OPTION(DtmfId, (Steps<1, 999>)),
    KR_OPTION(DtmfGroup, (Steps<1, 99>)),
    KR_OPTION(DtmfEncodeMode, (Steps<1, 3>)),
    KR_OPTION(DtmfSideTone, Flag),
    KR_OPTION(DtmfControl, Flag),
    KR_OPTION(DtmfDigitSpeed, (Steps<50, 200, 10>)),
    KR_OPTION(DtmfPauseDuration, (Steps<50, 200, 10>)),
    KR_OPTION(DtmfFirstDelay, (Steps<0, 500, 50>)),
    KR_OPTION(DtmfPretime, (Steps<100, 1000, 100>)),
    KR_OPTION(DtmfStarHashDelay, (Steps<0, 400, 50>)),
    KR_OPTION(GroupCode, GroupCodeSymbol),
    KR_OPTION(SendAni, Flag),
    KR_OPTION(Limited, Flag),
    KR_OPTION(StunKillState, (Steps<0, 2>)),
    KR_OPTION(Whisper, Flag),
    KR_OPTION(AlarmMode, (Steps<1, 3>)),
    KR_OPTION(RefuseAlarm, Flag),
    KR_OPTION(AutoConnect, Flag),
    KR_OPTION(AutoConnectPos, Flag),
    KR_OPTION(MasterTxPeriod, (Steps<5, 60>)),
    KR_OPTION(SlaveTimeout, (Steps<5, 60>)),
    KR_OPTION(SlaveAlarmPeriod, (Steps<2, 30>)),
    KR_OPTION(PowerOnBeep, Flag),
    KR_OPTION(Key1Short, (Steps<0, LastKeyFunction>)),
    KR_OPTION(Key1Long, LongKeyFunction),
    KR_OPTION(Key2Short, (Steps<0, LastKeyFunction>)),
    KR_OPTION(Key2Long, LongKeyFunction),
};

#undef KR_OPTION

struct DtmfLength {
    const char* field;
    Reader read;
};

#define KR_LENGTH(name) \
    DtmfLength { #name, [](const RadioSettings& s) { return uint32_t(s.name); } }

const DtmfLength DtmfLengths[] = {
    KR_LENGTH(RemoteStunCodeLength), KR_LENGTH(RemoteKillCodeLength), KR_LENGTH(ActivationCodeLength),
    KR_LENGTH(PttIdLength), KR_LENGTH(AniLength),
};

#undef KR_LENGTH

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
    for (const DtmfLength& length : DtmfLengths)
        check.Length(length.field, length.read(settings), DtmfCodeCapacity);
    for (const OptionRule& rule : OptionRules) {
        const uint32_t value = rule.read(settings);
        check.Choice(0, rule.field, value, rule.allowed(value));
    }
    return std::move(check).Findings();
}
