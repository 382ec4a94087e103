#pragma once

#include <string>
#include <vector>

#include "ports/SystemPorts.h"

namespace TeskComm32 {

// A pinned port as found on the machine: `Present` while its path leads to a device, and
// `Device` the device it leads to, so that the same device is not listed twice.
struct PinnedDevice {
    int Number = 0;
    std::string Path;
    std::string Device;
    bool Present = false;
};

// Present pinned ports under their own numbers, then the detected devices in their order under
// 1, 2, 3, ..., skipping every pinned number and every device a pinned port already stands for.
std::vector<SystemPort> NumberPorts(const std::vector<std::string>& devices, const std::vector<PinnedDevice>& pins);

}
