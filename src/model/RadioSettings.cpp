#include "model/RadioSettings.h"

#include <cstring>

#include "model/InUseBitmap.h"
#include "model/OptionTable.h"
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

    // Every field without a default of its own stays 0: no channel or address-book entry is in use.
    SetOptionDefaults(*this);
}
