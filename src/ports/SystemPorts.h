#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace TeskComm32 {

// One serial port of the machine under its COM number.
struct SystemPort {
    int Number = 0;
    std::string Path;
};

// The port names the system reports, before they are checked and sorted ("COM3", "com5", ...);
// nothing when the system's device list cannot be read at all.
std::optional<std::vector<std::string>> SystemPortNames();

// Where the enumerator takes its names from: SystemPortNames, unless a test supplies a device
// list of its own (an empty source restores the system's).
using PortNameSource = std::function<std::optional<std::vector<std::string>>()>;
void SetPortNameSource(PortNameSource source);

// Linux: the machine's numbered serial ports, pinned ones included, in no particular order.
std::vector<SystemPort> SystemPorts();

// Where the Linux device list is read: /sys/class/tty and /dev unless a test points elsewhere.
struct DeviceTreeRoots {
    std::string SysClassTty = "/sys/class/tty";
    std::string Dev = "/dev";
};
void SetDeviceTreeRoots(const DeviceTreeRoots& roots);
const DeviceTreeRoots& CurrentDeviceTreeRoots();

}
