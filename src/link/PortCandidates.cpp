#include "link/PortCandidates.h"

#include <algorithm>

#include "ports/SerialPortInfo.h"

using TeskComm32::TCommSerialPortInfo;

bool PortCandidates::Contains(int portNumber) const
{
    return std::find(Numbers.begin(), Numbers.end(), portNumber) != Numbers.end();
}

// Every digit of the name counts, so COM12 is port 12 rather than port 1.
PortCandidates RefreshPortCandidates(const TeskComm32::PortLookup& lookup)
{
    const TCommSerialPortInfo info(lookup);
    PortCandidates candidates;
    if (!info.FromSystem)
        return candidates;
    for (const auto& name : info.PortList)
        if (const int number = TCommSerialPortInfo::PortNo(name); number > 0)
            candidates.Numbers.push_back(number);
    return candidates;
}

std::string ComPortName(int portNumber) { return TCommSerialPortInfo::PortName(portNumber); }
