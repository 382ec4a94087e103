#pragma once

#include <cstddef>
#include <cstdint>

#include "model/ByteOrder.h"

// The settings record is both the in-memory model and the channel data file: every field sits at
// a fixed offset of one 3128-byte block. Members are byte arrays or one-byte-aligned
// little-endian fields, so the compiler adds no padding; the offsets are checked below.

constexpr size_t RadioSettingsBlockSize = 3128;
constexpr unsigned ChannelCount = 16;
constexpr unsigned AddrBookEntryCount = 16;
constexpr size_t DtmfCodeCapacity = 10;
constexpr size_t AddrBookIdCapacity = 11;
constexpr size_t NameCapacity = 6;
constexpr size_t DeviceSnSize = 8;
constexpr size_t PasswordFieldSize = 17;
constexpr size_t SoftwareVersionFieldSize = 13;

// What the radio reported about itself in a handshake.
struct RadioInfo {
    uint8_t ModelIdent[8];
    uint8_t ReportedPassword[16];
    uint8_t Unused24[4];
    LeU32 BandMax;
    LeU32 BandMin;
    uint8_t Unused36[8];
};

struct ChannelRecord {
    LeU32 RxFreq;
    uint8_t Unused4[12];
    LeU32 TxFreq;
    uint8_t Unused20[12];
    LeU16 DecCode;
    uint8_t DecType;
    uint8_t Unused35[11];
    LeU16 EncCode;
    uint8_t EncType;
    uint8_t Unused49[14];
    uint8_t OptA;
    uint8_t OptB;
    uint8_t Extra[2];
    uint8_t Name[NameCapacity];
    uint8_t Unused73[7];

    // OptA: bits 0-2 squelch mode, bits 3-4 busy lock.
    uint8_t ChSquelchMode() const { return OptA & 0x07; }
    void SetChSquelchMode(uint8_t v) { OptA = uint8_t((OptA & ~0x07) | (v & 0x07)); }
    uint8_t BusyLock() const { return (OptA >> 3) & 0x03; }
    void SetBusyLock(uint8_t v) { OptA = uint8_t((OptA & ~0x18) | ((v & 0x03) << 3)); }

    // OptB: bit 7 scan add, bits 5-6 power, bit 4 bandwidth (wide), bit 3 DTMF.
    bool ScanAdd() const { return OptB & 0x80; }
    void SetScanAdd(bool on) { SetOptBBit(0x80, on); }
    uint8_t Power() const { return (OptB >> 5) & 0x03; }
    void SetPower(uint8_t v) { OptB = uint8_t((OptB & ~0x60) | ((v & 0x03) << 5)); }
    bool Bandwidth() const { return OptB & 0x10; }
    void SetBandwidth(bool wide) { SetOptBBit(0x10, wide); }
    bool Dtmf() const { return OptB & 0x08; }
    void SetDtmf(bool on) { SetOptBBit(0x08, on); }

private:
    void SetOptBBit(uint8_t bit, bool on) { OptB = on ? uint8_t(OptB | bit) : uint8_t(OptB & ~bit); }
};

struct AddressBookEntry {
    uint8_t EntryNumber;
    uint8_t Id[AddrBookIdCapacity];
    uint8_t IdLength;
    uint8_t EntryName[NameCapacity];
};

struct RadioSettings {
    RadioInfo WriteRadioInfo;
    RadioInfo ReadRadioInfo;
    uint8_t DeviceSn[DeviceSnSize];
    uint8_t Unused96;
    uint8_t Password[PasswordFieldSize];
    uint8_t NewPassword[PasswordFieldSize];
    uint8_t Unused131[13];
    uint8_t AddrBookUsed[3];
    uint8_t Unused147[2];
    uint8_t Unused149[712];
    AddressBookEntry AddrBook[AddrBookEntryCount];  // entry k (1..16) at index k - 1
    uint8_t Unused1165[223];
    ChannelRecord Channel[ChannelCount + 1];  // channel i (1..16) at index i; slot 0 unused
    uint8_t Unused2748[172];

    uint8_t Voice;
    uint8_t Unused2921[8];
    uint8_t Sql;
    uint8_t SquelchMode;
    uint8_t Unused2931[7];
    uint8_t SubaudioTail;
    uint8_t Unused2939[6];
    uint8_t VoxCtrl;
    uint8_t Vox;
    uint8_t Unused2947;
    LeU16 VoxDelay;
    LeU16 Tot;
    uint8_t Unused2952[5];
    uint8_t Scan;
    LeU16 PriScan;
    uint8_t Unused2960[3];
    uint8_t Beep;
    uint8_t Unused2964;
    uint8_t Saving;
    LeU16 Apo;
    uint8_t Unused2968;
    uint8_t ChannelReport;
    uint8_t Unused2970[4];
    uint8_t Tone1750Ctrl;
    uint8_t Tone1750;
    uint8_t Unused2976[4];
    LeU16 DtmfId;
    uint8_t DtmfGroup;
    uint8_t DtmfEncodeMode;
    uint8_t DtmfSideTone;
    uint8_t DtmfControl;
    uint8_t DtmfDigitSpeed;
    uint8_t DtmfPauseDuration;
    LeU16 DtmfFirstDelay;
    LeU16 DtmfPretime;
    LeU16 DtmfStarHashDelay;
    uint8_t GroupCode;
    uint8_t AutoReset;
    uint8_t SendAni;
    uint8_t Unused2997;
    uint8_t RemoteStunCode[DtmfCodeCapacity];
    uint8_t RemoteStunCodeLength;
    uint8_t RemoteKillCode[DtmfCodeCapacity];
    uint8_t RemoteKillCodeLength;
    uint8_t ActivationCode[DtmfCodeCapacity];
    uint8_t ActivationCodeLength;
    uint8_t Limited;
    uint8_t StunKillState;
    uint8_t PttId[DtmfCodeCapacity];
    uint8_t PttIdLength;
    uint8_t Ani[DtmfCodeCapacity];
    uint8_t AniLength;
    uint8_t Unused3055[7];
    uint8_t Whisper;
    uint8_t Unused3063[8];
    uint8_t AlarmMode;
    uint8_t RefuseAlarm;
    uint8_t AutoConnect;
    uint8_t AutoConnectPos;
    uint8_t MasterTxPeriod;
    uint8_t SlaveTimeout;
    uint8_t SlaveAlarmPeriod;
    uint8_t PowerOnBeep;
    uint8_t Key1Short;
    uint8_t Key1Long;
    uint8_t Key2Short;
    uint8_t Key2Long;
    uint8_t SoftwareVersion[SoftwareVersionFieldSize];
    uint8_t ChannelUsed[32];

    // End of the block; the last-programmed stamp is kept beside it and never stored in files.
    LeU16 LastWriteYear;
    uint8_t LastWriteMonth;
    uint8_t LastWriteDay;
    uint8_t LastWriteHour;
    uint8_t LastWriteMinute;

    uint8_t* BlockBytes() { return reinterpret_cast<uint8_t*>(this); }
    const uint8_t* BlockBytes() const { return reinterpret_cast<const uint8_t*>(this); }

    AddressBookEntry& Entry(unsigned k) { return AddrBook[k - 1]; }
    const AddressBookEntry& Entry(unsigned k) const { return AddrBook[k - 1]; }

    bool IsChannelUsed(unsigned n) const;
    void SetChannelUsed(unsigned n, bool used);
    bool IsAddrBookEntryUsed(unsigned n) const;
    void SetAddrBookEntryUsed(unsigned n, bool used);

    // Whether the radio's reported password admits `Password`.
    bool PasswordMatches(const uint8_t* reportedPassword) const;

    // File/New and start-up: everything zero, then the documented defaults.
    void ResetToDefaults();
};

static_assert(sizeof(RadioInfo) == 44);
static_assert(sizeof(ChannelRecord) == 80);
static_assert(sizeof(AddressBookEntry) == 19);
static_assert(alignof(RadioSettings) == 1);
static_assert(offsetof(RadioSettings, LastWriteYear) == RadioSettingsBlockSize);
static_assert(sizeof(RadioSettings) == RadioSettingsBlockSize + 6);

static_assert(offsetof(RadioInfo, BandMax) == 28 && offsetof(RadioInfo, BandMin) == 32);
static_assert(offsetof(ChannelRecord, TxFreq) == 16 && offsetof(ChannelRecord, DecCode) == 32);
static_assert(offsetof(ChannelRecord, DecType) == 34 && offsetof(ChannelRecord, EncCode) == 46);
static_assert(offsetof(ChannelRecord, EncType) == 48 && offsetof(ChannelRecord, OptA) == 63);
static_assert(offsetof(ChannelRecord, Extra) == 65 && offsetof(ChannelRecord, Name) == 67);
static_assert(offsetof(AddressBookEntry, IdLength) == 12 && offsetof(AddressBookEntry, EntryName) == 13);

#define KR_FIELD_AT(field, offset) static_assert(offsetof(RadioSettings, field) == offset, #field)
KR_FIELD_AT(ReadRadioInfo, 44);
KR_FIELD_AT(DeviceSn, 88);
KR_FIELD_AT(Password, 97);
KR_FIELD_AT(NewPassword, 114);
KR_FIELD_AT(AddrBookUsed, 144);
KR_FIELD_AT(AddrBook, 861);
KR_FIELD_AT(Channel, 1388);
KR_FIELD_AT(Voice, 2920);
KR_FIELD_AT(Sql, 2929);
KR_FIELD_AT(SquelchMode, 2930);
KR_FIELD_AT(SubaudioTail, 2938);
KR_FIELD_AT(VoxCtrl, 2945);
KR_FIELD_AT(Vox, 2946);
KR_FIELD_AT(VoxDelay, 2948);
KR_FIELD_AT(Tot, 2950);
KR_FIELD_AT(Scan, 2957);
KR_FIELD_AT(PriScan, 2958);
KR_FIELD_AT(Beep, 2963);
KR_FIELD_AT(Saving, 2965);
KR_FIELD_AT(Apo, 2966);
KR_FIELD_AT(ChannelReport, 2969);
KR_FIELD_AT(Tone1750Ctrl, 2974);
KR_FIELD_AT(Tone1750, 2975);
KR_FIELD_AT(DtmfId, 2980);
KR_FIELD_AT(DtmfGroup, 2982);
KR_FIELD_AT(DtmfEncodeMode, 2983);
KR_FIELD_AT(DtmfSideTone, 2984);
KR_FIELD_AT(DtmfControl, 2985);
KR_FIELD_AT(DtmfDigitSpeed, 2986);
KR_FIELD_AT(DtmfPauseDuration, 2987);
KR_FIELD_AT(DtmfFirstDelay, 2988);
KR_FIELD_AT(DtmfPretime, 2990);
KR_FIELD_AT(DtmfStarHashDelay, 2992);
KR_FIELD_AT(GroupCode, 2994);
KR_FIELD_AT(AutoReset, 2995);
KR_FIELD_AT(SendAni, 2996);
KR_FIELD_AT(RemoteStunCode, 2998);
KR_FIELD_AT(RemoteStunCodeLength, 3008);
KR_FIELD_AT(RemoteKillCode, 3009);
KR_FIELD_AT(RemoteKillCodeLength, 3019);
KR_FIELD_AT(ActivationCode, 3020);
KR_FIELD_AT(ActivationCodeLength, 3030);
KR_FIELD_AT(Limited, 3031);
KR_FIELD_AT(StunKillState, 3032);
KR_FIELD_AT(PttId, 3033);
KR_FIELD_AT(PttIdLength, 3043);
KR_FIELD_AT(Ani, 3044);
KR_FIELD_AT(AniLength, 3054);
KR_FIELD_AT(Whisper, 3062);
KR_FIELD_AT(AlarmMode, 3071);
KR_FIELD_AT(RefuseAlarm, 3072);
KR_FIELD_AT(AutoConnect, 3073);
KR_FIELD_AT(AutoConnectPos, 3074);
KR_FIELD_AT(MasterTxPeriod, 3075);
KR_FIELD_AT(SlaveTimeout, 3076);
KR_FIELD_AT(SlaveAlarmPeriod, 3077);
KR_FIELD_AT(PowerOnBeep, 3078);
KR_FIELD_AT(Key1Short, 3079);
KR_FIELD_AT(Key1Long, 3080);
KR_FIELD_AT(Key2Short, 3081);
KR_FIELD_AT(Key2Long, 3082);
KR_FIELD_AT(SoftwareVersion, 3083);
KR_FIELD_AT(ChannelUsed, 3096);
#undef KR_FIELD_AT
