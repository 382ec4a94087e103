#include "model/RadioSettings.h"

#include <cstring>

#include "model/InUseBitmap.h"
#include "model/Password.h"

bool RadioSettings::IsChannelUsed(unsigned n) const { return IsInUse(ChannelUsed, n); }

void RadioSettings::SetChannelUsed(unsigned n, bool used)
{
    if (n == 0)
        return;
    SetInUse(ChannelUsed, n, used);
}

bool RadioSettings::IsAddrBookEntryUsed(unsigned n) const { return IsInUse(AddrBookUsed, n); }

void RadioSettings::SetAddrBookEntryUsed(unsigned n, bool used) { SetInUse(AddrBookUsed, n, used); }

bool RadioSettings::PasswordMatches(const uint8_t* reportedPassword) const
{
    return ::PasswordMatches(reportedPassword, Password);
}

void RadioSettings::ResetToDefaults()
{
    LastWriteYear = 0;
    LastWriteMonth = LastWriteDay = LastWriteHour = LastWriteMinute = 0;
    std::memset(DeviceSn, 0, sizeof DeviceSn);
    std::memset(BlockBytes(), 0, RadioSettingsBlockSize);

    // Every field not set below stays 0: no channel or address-book entry is in use.

    Voice = 1;
    Sql = 5;
    SquelchMode = 3;
    SubaudioTail = 3;
    Vox = 8;
    VoxDelay = 2000;
    Tot = 180;
    Scan = 1;
    Beep = 1;
    Saving = 1;
    ChannelReport = 1;
    Tone1750 = 3;
    AlarmMode = 1;
    MasterTxPeriod = 5;
    SlaveTimeout = 10;
    SlaveAlarmPeriod = 2;
    PowerOnBeep = 1;
    Key1Short = 5;
    Key2Short = 17;

    // DTMF defaults.
    DtmfId = 1;
    DtmfGroup = 1;
    DtmfEncodeMode = 1;
    DtmfDigitSpeed = 100;
    DtmfPauseDuration = 100;
    DtmfFirstDelay = 100;
    DtmfPretime = 500;
    DtmfStarHashDelay = 50;
}
