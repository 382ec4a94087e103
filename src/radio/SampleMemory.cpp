#include "radio/SampleMemory.h"

#include <cstring>
#include <string_view>

#include "model/ByteOrder.h"
#include "model/RadioSettings.h"
#include "model/Tone.h"

namespace {

struct SampleChannel {
    unsigned number;
    uint32_t rxHz;
    uint32_t txHz;
    std::string_view decodeTone;
    std::string_view encodeTone;
    std::string_view name;
    bool wide;
};

constexpr SampleChannel SampleChannels[] = {
    {1, 433000000, 433000000, "Off", "Off", "CALL", true},
    {2, 438500000, 430900000, "88.5", "88.5", "RPT-A", true},
    {3, 446006250, 446006250, "D023N", "D023N", "PMR1", false},
    {5, 462562500, 467562500, "D754I", "127.3", "GMRS", false},
};

// Key function codes.
constexpr uint8_t Unassigned = 0;
constexpr uint8_t MonitorMomentary = 3;
constexpr uint8_t ScanFunction = 8;

constexpr std::string_view SampleFirmware = "V1.02-DEMO";
constexpr std::string_view SampleSerial = "20240001";

// Five calibration frequencies across the band, each with high, middle and low power and tune.
constexpr uint32_t CalibrationFrequencies[] = {400000000, 417500000, 435000000, 452500000, 470000000};
constexpr size_t CalibrationPointSize = 8;
constexpr uint8_t CalibrationPower[] = {0xC8, 0x96, 0x50, 0x80};
constexpr size_t CalibrationLevelsOffset = 0x28;
constexpr uint8_t CalibrationLevels[] = {
    0x30, 0x60, 0x20, 0x70, 0x8A, 0x92, 0x9A, 0x80, 0x88, 0x90, 0xD2,  // squelch, VOX, battery
    0x50, 0x48, 0x44, 0x28, 0x24, 0x22, 0x60, 0x30, 0x70, 0x38, 0x20, 0x10, 0x18, 0x0C, 0x7F,
};

void PutTone(std::string_view text, uint8_t& typeField, LeU16& codeField)
{
    ToneType type = ToneNone;
    ToneCode code = 0;
    ParseToneText(text, type, code);
    typeField = type;
    codeField = code;
}

void FillChannel(RadioSettings& settings, const SampleChannel& sample)
{
    ChannelRecord& ch = settings.Channel[sample.number];
    ch.RxFreq = sample.rxHz;
    ch.TxFreq = sample.txHz;
    PutTone(sample.decodeTone, ch.DecType, ch.DecCode);
    PutTone(sample.encodeTone, ch.EncType, ch.EncCode);
    ch.SetBandwidth(sample.wide);
    ch.SetScanAdd(true);
    ch.SetPower(sample.number % 3);
    std::memcpy(ch.Name, sample.name.data(), std::min(sample.name.size(), NameCapacity));
    settings.SetChannelUsed(sample.number, true);
}

void FillAddressBook(RadioSettings& settings)
{
    constexpr uint8_t Digits[] = {1, 0, 1};
    constexpr std::string_view Name = "BASE";
    AddressBookEntry& entry = settings.Entry(1);
    std::memcpy(entry.Id, Digits, sizeof Digits);
    entry.IdLength = sizeof Digits;
    std::memcpy(entry.EntryName, Name.data(), Name.size());
    settings.SetAddrBookEntryUsed(1, true);
}

RadioSettings SampleSettings()
{
    RadioSettings settings;
    settings.ResetToDefaults();
    for (const SampleChannel& sample : SampleChannels)
        FillChannel(settings, sample);
    FillAddressBook(settings);
    settings.Sql = 3;
    settings.Tot = 120;
    settings.Voice = 2;
    // A momentary function on the short press leaves the long press unassigned.
    settings.Key1Short = MonitorMomentary;
    settings.Key1Long = Unassigned;
    settings.Key2Long = ScanFunction;
    return settings;
}

void FillCalibration(RadioMemory& memory)
{
    std::vector<uint8_t> block(RadioMemory::CalibrationSize, 0);
    for (size_t k = 0; k < std::size(CalibrationFrequencies); ++k) {
        uint8_t* point = &block[k * CalibrationPointSize];
        PutBe32(point, CalibrationFrequencies[k]);
        std::memcpy(point + sizeof(uint32_t), CalibrationPower, sizeof CalibrationPower);
    }
    std::memcpy(&block[CalibrationLevelsOffset], CalibrationLevels, sizeof CalibrationLevels);
    memory.Write(RadioMemory::CalibrationAddress, block);
}

}

static_assert(RadioMemory::CalibrationSize == CalibrationLevelsOffset + sizeof CalibrationLevels);

void FillSampleMemory(RadioMemory& memory)
{
    RadioSettings settings = SampleSettings();
    const DateTimeStamp programmed{2024, 5, 17, 9, 30};
    const std::vector<uint8_t> password = memory.LinkPassword();
    GetDataForWrite(settings, memory.Band(), programmed, memory.Image());
    memory.Write(RadioMemory::PasswordAddress, password);
    memory.SetFirmware(std::string(SampleFirmware));
    memory.SetSerialNumber(std::string(SampleSerial));
    FillCalibration(memory);
}
