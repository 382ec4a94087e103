#include "link/PortOpening.h"

#include <cerrno>

#include <QThread>

#include "ports/SerialPortInfo.h"

// A COM name the machine lacks (a pinned adapter unplugged) has no device to open; handing the
// empty path on would open the device folder itself.
PortOpenResult ComInit(SerialLink& link, const std::string& portName, const TeskComm32::PortLookup& ports)
{
    const std::string devicePath = TeskComm32::DevicePathOf(portName, ports);
    if (devicePath.empty()) {
        link.Close();
        return {false, {MessageId::PortMissing, {portName, MessageArg::Reason(ENOENT)}}};
    }
    return link.Open(devicePath);
}

bool ComInit_AutoSeach(SerialLink& link, PortCandidates& candidates, const TeskComm32::PortLookup& ports)
{
    link.Close();
    for (; !candidates.Exhausted(); ++candidates.PortIndex) {
        if (ComInit(link, ComPortName(candidates.Numbers[candidates.PortIndex]), ports).ok) {
            link.Purge();
            QThread::msleep(SearchSettleMs);
            return true;
        }
    }
    return false;
}
