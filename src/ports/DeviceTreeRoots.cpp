#include "ports/SystemPorts.h"

namespace TeskComm32 {

namespace {

DeviceTreeRoots& Roots()
{
    static DeviceTreeRoots roots;
    return roots;
}

}

void SetDeviceTreeRoots(const DeviceTreeRoots& roots) { Roots() = roots; }

const DeviceTreeRoots& CurrentDeviceTreeRoots() { return Roots(); }

}
