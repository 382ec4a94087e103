#include "model/MemoryImage.h"

#include <cstring>

#include "model/Frequency.h"
#include "model/OptionTable.h"
#include "model/Tone.h"

namespace {

constexpr size_t ChannelUsedOffset = 0x000;
constexpr size_t ChannelBlockBase = 0x020;
constexpr size_t ChannelBlockSize = 16;
constexpr size_t StampOffset = 0x130;
constexpr size_t BandMinOffset = 0x155;
constexpr size_t BandMaxOffset = 0x159;
constexpr size_t AddrBookUsedOffset = 0x17A;
constexpr size_t AddrBookBase = 0x17D;
constexpr size_t AlwaysZeroOffset = 0x2C0;
constexpr size_t DeviceSnOffset = 0x30C;
constexpr size_t SoftwareVersionOffset = 0x314;
constexpr size_t SoftwareVersionImageSize = 12;

struct ByteField {
    size_t offset;
    uint8_t RadioSettings::*field;
};

struct WordField {
    size_t offset;
    LeU16 RadioSettings::*field;
};

// Option, key and DTMF settings that the radio keeps; 16-bit ones are big-endian in the image.
constexpr ByteField ByteFields[] = {
    {0x138, &RadioSettings::Scan},           {0x13B, &RadioSettings::Beep},
    {0x13C, &RadioSettings::Saving},         {0x13D, &RadioSettings::Sql},
    {0x13E, &RadioSettings::VoxCtrl},        {0x13F, &RadioSettings::Vox},
    {0x142, &RadioSettings::SquelchMode},    {0x143, &RadioSettings::ChannelReport},
    {0x144, &RadioSettings::AutoConnect},    {0x145, &RadioSettings::AutoConnectPos},
    {0x146, &RadioSettings::SubaudioTail},   {0x147, &RadioSettings::Voice},
    {0x148, &RadioSettings::AlarmMode},      {0x149, &RadioSettings::RefuseAlarm},
    {0x14A, &RadioSettings::Key1Short},      {0x14B, &RadioSettings::Key1Long},
    {0x14C, &RadioSettings::Key2Short},      {0x14D, &RadioSettings::Key2Long},
    {0x14E, &RadioSettings::PowerOnBeep},    {0x14F, &RadioSettings::Tone1750Ctrl},
    {0x150, &RadioSettings::Tone1750},       {0x151, &RadioSettings::Whisper},
    {0x152, &RadioSettings::MasterTxPeriod}, {0x153, &RadioSettings::SlaveTimeout},
    {0x154, &RadioSettings::SlaveAlarmPeriod},
    {0x170, &RadioSettings::DtmfSideTone},   {0x171, &RadioSettings::DtmfDigitSpeed},
    {0x172, &RadioSettings::DtmfPauseDuration}, {0x179, &RadioSettings::DtmfEncodeMode},
    {0x2C1, &RadioSettings::GroupCode},      {0x2C2, &RadioSettings::AutoReset},
    {0x2C3, &RadioSettings::SendAni},        {0x2C4, &RadioSettings::StunKillState},
};

constexpr WordField WordFields[] = {
    {0x136, &RadioSettings::Tot},
    {0x139, &RadioSettings::PriScan},
    {0x140, &RadioSettings::VoxDelay},
    {0x173, &RadioSettings::DtmfFirstDelay},
    {0x175, &RadioSettings::DtmfPretime},
    {0x177, &RadioSettings::DtmfStarHashDelay},
};

// The DTMF codes follow each other in the record's order, each its symbols and then their count.
constexpr size_t DtmfCodesBase = 0x2C5;
constexpr size_t DtmfCodeImageSize = DtmfCodeCapacity + 1;

size_t DtmfCodeOffset(size_t i) { return DtmfCodesBase + DtmfCodeImageSize * i; }

uint8_t* ChannelBlock(MemoryImage& image, unsigned i) { return &image[ChannelBlockBase + ChannelBlockSize * i]; }
const uint8_t* ChannelBlock(const MemoryImage& image, unsigned i)
{
    return &image[ChannelBlockBase + ChannelBlockSize * i];
}

size_t EntryOffset(unsigned k) { return AddrBookBase + sizeof(AddressBookEntry) * k; }

void PackChannel(const ChannelRecord& ch, uint8_t* block)
{
    const auto rx = EncodeFreqBcd(ch.RxFreq);
    const auto tx = EncodeFreqBcd(ch.TxFreq);
    const auto dec = EncodeTone(ToneType(ch.DecType), ch.DecCode);
    const auto enc = EncodeTone(ToneType(ch.EncType), ch.EncCode);
    std::memcpy(block + 0, rx.data(), 4);
    std::memcpy(block + 4, tx.data(), 4);
    std::memcpy(block + 8, dec.data(), 2);
    std::memcpy(block + 10, enc.data(), 2);
    block[12] = ch.OptA;
    block[13] = ch.OptB;
    std::memcpy(block + 14, ch.Extra, 2);
}

void UnpackChannel(const uint8_t* block, ChannelRecord& ch)
{
    ch.RxFreq = DecodeFreqBcd(block + 0);
    ch.TxFreq = DecodeFreqBcd(block + 4);
    ToneType type;
    ToneCode code;
    DecodeTone(block + 8, type, code);
    ch.DecType = type;
    ch.DecCode = code;
    DecodeTone(block + 10, type, code);
    ch.EncType = type;
    ch.EncCode = code;
    ch.OptA = block[12];
    ch.OptB = block[13];
    std::memcpy(ch.Extra, block + 14, 2);
}

}

void GetDataForWrite(RadioSettings& settings, const BandLimits& band, const DateTimeStamp& now, MemoryImage& image)
{
    image.fill(0);
    std::memcpy(&image[ChannelUsedOffset], settings.ChannelUsed, sizeof settings.ChannelUsed);
    for (unsigned i = 1; i <= ChannelCount; ++i)
        if (settings.IsChannelUsed(i))
            PackChannel(settings.Channel[i], ChannelBlock(image, i));

    for (unsigned k = 1; k <= AddrBookEntryCount; ++k) {
        settings.Entry(k).EntryNumber = uint8_t(k);
        std::memcpy(&image[EntryOffset(k)], &settings.Entry(k), sizeof(AddressBookEntry));
    }
    std::memcpy(&image[AddrBookUsedOffset], settings.AddrBookUsed, sizeof settings.AddrBookUsed);
    image[AlwaysZeroOffset] = 0;

    for (const auto& f : ByteFields)
        image[f.offset] = settings.*f.field;
    for (const auto& f : WordFields)
        PutBe16(&image[f.offset], settings.*f.field);

    settings.WriteRadioInfo.BandMin = band.BandMin;
    settings.WriteRadioInfo.BandMax = band.BandMax;
    PutBe32(&image[BandMinOffset], band.BandMin);
    PutBe32(&image[BandMaxOffset], band.BandMax);

    for (size_t i = 0; i < DtmfCodeFields().size(); ++i) {
        const DtmfCodeField& f = DtmfCodeFields()[i];
        std::memcpy(&image[DtmfCodeOffset(i)], f.Codes(settings), DtmfCodeCapacity);
        image[DtmfCodeOffset(i) + DtmfCodeCapacity] = f.Length(settings);
    }

    PutBe16(&image[StampOffset], now.Year);
    image[StampOffset + 2] = now.Month;
    image[StampOffset + 3] = now.Day;
    image[StampOffset + 4] = now.Hour;
    image[StampOffset + 5] = now.Minute;
}

void SetDataToSoftware(const MemoryImage& image, RadioSettings& settings, BandLimits& band)
{
    std::memcpy(settings.ChannelUsed, &image[ChannelUsedOffset], sizeof settings.ChannelUsed);
    for (unsigned i = 1; i <= ChannelCount; ++i)
        if (settings.IsChannelUsed(i))
            UnpackChannel(ChannelBlock(image, i), settings.Channel[i]);

    for (unsigned k = 1; k <= AddrBookEntryCount; ++k)
        std::memcpy(&settings.Entry(k), &image[EntryOffset(k)], sizeof(AddressBookEntry));
    std::memcpy(settings.AddrBookUsed, &image[AddrBookUsedOffset], sizeof settings.AddrBookUsed);

    for (const auto& f : ByteFields)
        settings.*f.field = image[f.offset];
    for (const auto& f : WordFields)
        settings.*f.field = GetBe16(&image[f.offset]);

    band.BandMin = GetBe32(&image[BandMinOffset]);
    band.BandMax = GetBe32(&image[BandMaxOffset]);
    settings.ReadRadioInfo.BandMin = band.BandMin;
    settings.ReadRadioInfo.BandMax = band.BandMax;

    for (size_t i = 0; i < DtmfCodeFields().size(); ++i) {
        const DtmfCodeField& f = DtmfCodeFields()[i];
        std::memcpy(f.Codes(settings), &image[DtmfCodeOffset(i)], DtmfCodeCapacity);
        f.Length(settings) = image[DtmfCodeOffset(i) + DtmfCodeCapacity];
    }

    std::memset(settings.SoftwareVersion, 0, sizeof settings.SoftwareVersion);
    std::memcpy(settings.SoftwareVersion, &image[SoftwareVersionOffset], SoftwareVersionImageSize);

    settings.LastWriteYear = GetBe16(&image[StampOffset]);
    settings.LastWriteMonth = image[StampOffset + 2];
    settings.LastWriteDay = image[StampOffset + 3];
    settings.LastWriteHour = image[StampOffset + 4];
    settings.LastWriteMinute = image[StampOffset + 5];

    std::memcpy(settings.DeviceSn, &image[DeviceSnOffset], DeviceSnSize);
}
