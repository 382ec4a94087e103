#include "link/PortOpening.h"

#include <QThread>

#include "ports/SerialPortInfo.h"

PortOpenResult ComInit(SerialLink& link, const std::string& portName)
{
    return link.Open(TeskComm32::DevicePathOf(portName));
}

bool ComInit_AutoSeach(SerialLink& link, PortCandidates& candidates)
{
    link.Close();
    for (; !candidates.Exhausted(); ++candidates.PortIndex) {
        if (ComInit(link, ComPortName(candidates.Numbers[candidates.PortIndex])).ok) {
            link.Purge();
            QThread::msleep(SearchSettleMs);
            return true;
        }
    }
    return false;
}
