#include "model/RecordComparison.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "model/DtmfDigits.h"
#include "model/MemoryImage.h"
#include "model/Password.h"

namespace {

// Any band and time will do, as long as both records are packed with the same.
const BandLimits ComparisonBand{};
const DateTimeStamp ComparisonTime{};

struct ChannelValueField {
    ChannelValue value;
    const char* name;
    uint32_t (*get)(const ChannelRecord& channel);
};

uint32_t Tone(uint8_t type, uint16_t code) { return uint32_t(type) << 16 | code; }

constexpr ChannelValueField ChannelValueFields[] = {
    {ChannelValue::RxFreq, "RxFreq", [](const ChannelRecord& c) { return uint32_t(c.RxFreq); }},
    {ChannelValue::TxFreq, "TxFreq", [](const ChannelRecord& c) { return uint32_t(c.TxFreq); }},
    {ChannelValue::DecodeTone, "DecType/DecCode", [](const ChannelRecord& c) { return Tone(c.DecType, c.DecCode); }},
    {ChannelValue::EncodeTone, "EncType/EncCode", [](const ChannelRecord& c) { return Tone(c.EncType, c.EncCode); }},
    {ChannelValue::Power, "Power", [](const ChannelRecord& c) { return uint32_t(c.Power()); }},
    {ChannelValue::Bandwidth, "Bandwidth", [](const ChannelRecord& c) { return uint32_t(c.Bandwidth()); }},
    {ChannelValue::ScanAdd, "ScanAdd", [](const ChannelRecord& c) { return uint32_t(c.ScanAdd()); }},
    {ChannelValue::BusyLock, "BusyLock", [](const ChannelRecord& c) { return uint32_t(c.BusyLock()); }},
    {ChannelValue::Dtmf, "Dtmf", [](const ChannelRecord& c) { return uint32_t(c.Dtmf()); }},
    {ChannelValue::SquelchMode, "ChSquelchMode", [](const ChannelRecord& c) { return uint32_t(c.ChSquelchMode()); }},
};

// A fixed-size text ends at its first zero byte.
std::string_view FieldText(const uint8_t* bytes, size_t size)
{
    const size_t length = size_t(std::find(bytes, bytes + size, 0) - bytes);
    return std::string_view(reinterpret_cast<const char*>(bytes), length);
}

std::string_view PasswordOf(const RadioSettings& s)
{
    return std::string_view(reinterpret_cast<const char*>(s.Password), PasswordLength(s.Password));
}

bool SameEntry(const AddressBookEntry& a, const AddressBookEntry& b)
{
    return FieldText(a.EntryName, NameCapacity) == FieldText(b.EntryName, NameCapacity) &&
           DtmfText(a.Id, AddrBookIdCapacity, a.IdLength) == DtmfText(b.Id, AddrBookIdCapacity, b.IdLength);
}

class Comparison {
public:
    Comparison(const RadioSettings& first, const RadioSettings& second) : a_(first), b_(second) {}

    void Channel(unsigned n)
    {
        const bool used = a_.IsChannelUsed(n);
        if (used != b_.IsChannelUsed(n)) {
            Add({DifferenceKind::ChannelUse, n});
            return;
        }
        if (!used)
            return;
        for (const ChannelValueField& field : ChannelValueFields)
            if (field.get(a_.Channel[n]) != field.get(b_.Channel[n]))
                Add({DifferenceKind::Channel, n, field.value});
    }

    void Entry(unsigned k)
    {
        const bool used = a_.IsAddrBookEntryUsed(k);
        if (used != b_.IsAddrBookEntryUsed(k) || (used && !SameEntry(a_.Entry(k), b_.Entry(k))))
            Add({DifferenceKind::AddressBookEntry, k});
    }

    void Code(const DtmfCodeField& code)
    {
        if (code.Text(a_) != code.Text(b_))
            Add({DifferenceKind::DtmfCode, 0, {}, nullptr, &code});
    }

    void Option(const OptionField& option)
    {
        if (option.Get(a_) != option.Get(b_))
            Add({DifferenceKind::Option, 0, {}, &option});
    }

    void Password()
    {
        if (PasswordOf(a_) != PasswordOf(b_))
            Add({DifferenceKind::Password});
    }

    std::vector<FieldDifference> Differences() && { return std::move(differences_); }

private:
    void Add(const FieldDifference& difference) { differences_.push_back(difference); }

    const RadioSettings& a_;
    const RadioSettings& b_;
    std::vector<FieldDifference> differences_;
};

}  // namespace

RadioSettings HeldByRadio(const RadioSettings& settings)
{
    RadioSettings packed = settings;
    MemoryImage image;
    GetDataForWrite(packed, ComparisonBand, ComparisonTime, image);
    RadioSettings held;
    held.ResetToDefaults();
    BandLimits band;
    SetDataToSoftware(image, held, band);
    std::memcpy(held.Password, settings.Password, sizeof held.Password);
    return held;
}

std::vector<FieldDifference> CompareHeldRecords(const RadioSettings& first, const RadioSettings& second)
{
    Comparison compare(first, second);
    for (unsigned n = 1; n <= ChannelCount; ++n)
        compare.Channel(n);
    for (unsigned k = 1; k <= AddrBookEntryCount; ++k)
        compare.Entry(k);
    for (const DtmfCodeField& code : DtmfCodeFields())
        compare.Code(code);
    for (const OptionField& option : OptionFields())
        compare.Option(option);
    compare.Password();
    return std::move(compare).Differences();
}

std::vector<FieldDifference> CompareRecords(const RadioSettings& first, const RadioSettings& second)
{
    return CompareHeldRecords(HeldByRadio(first), HeldByRadio(second));
}

const char* ChannelValueName(ChannelValue value)
{
    for (const ChannelValueField& field : ChannelValueFields)
        if (field.value == value)
            return field.name;
    return "";
}

std::string DifferenceKey(const FieldDifference& d)
{
    const std::string number = std::to_string(d.number);
    switch (d.kind) {
    case DifferenceKind::ChannelUse:
        return "Channel[" + number + "].Used";
    case DifferenceKind::Channel:
        return "Channel[" + number + "]." + ChannelValueName(d.value);
    case DifferenceKind::Option:
        return d.option->name;
    case DifferenceKind::DtmfCode:
        return d.code->name;
    case DifferenceKind::AddressBookEntry:
        return "AddrBook[" + number + "]";
    case DifferenceKind::Password:
        break;
    }
    return "Password";
}

void TakeRadioPassword(RadioSettings& read)
{
    if (PasswordLength(read.ReadRadioInfo.ReportedPassword) == 0)
        std::memset(read.Password, 0, sizeof read.Password);
}
