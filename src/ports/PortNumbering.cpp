#include "ports/PortNumbering.h"

#include <algorithm>
#include <set>

namespace TeskComm32 {

std::vector<SystemPort> NumberPorts(const std::vector<std::string>& devices, const std::vector<PinnedDevice>& pins)
{
    std::vector<SystemPort> ports;
    std::set<int> reserved;
    std::set<std::string> pinnedDevices;
    for (const PinnedDevice& pin : pins) {
        reserved.insert(pin.Number);
        if (!pin.Present)
            continue;
        ports.push_back({pin.Number, pin.Path});
        pinnedDevices.insert(pin.Device);
    }
    int next = 1;
    for (const std::string& device : devices) {
        if (pinnedDevices.count(device))
            continue;
        while (reserved.count(next))
            ++next;
        ports.push_back({next++, device});
    }
    return ports;
}

}
