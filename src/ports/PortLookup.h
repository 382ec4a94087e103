#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace TeskComm32 {

// Where the Linux device list is read: /sys/class/tty and /dev unless a test points elsewhere.
struct DeviceTreeRoots {
    std::string SysClassTty = "/sys/class/tty";
    std::string Dev = "/dev";
};

// Port names as the system reports them, before they are checked and sorted ("COM3", "com5",
// ...); nothing when the system's device list cannot be read at all.
using PortNameSource = std::function<std::optional<std::vector<std::string>>()>;

// How the machine's serial ports are looked up, passed by whoever lists or opens one. The default
// asks the system and pins nothing.
struct PortLookup {
    // Ports pinned by the settings file's "Ports" section: number to device path. A pinned number
    // is reserved even while its device is absent, so that plugging in another adapter never takes
    // it. Numbers below 1 and empty paths pin nothing.
    std::map<int, std::string> Pinned{};
    DeviceTreeRoots DeviceTree{};
    // When set, the names that stand for the system's list (a test's machine).
    PortNameSource Names{};
};

}
