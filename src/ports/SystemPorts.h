#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ports/PortLookup.h"

namespace TeskComm32 {

// One serial port of the machine under its COM number.
struct SystemPort {
    int Number = 0;
    std::string Path;
};

// The port names the system reports, before they are checked and sorted ("COM3", "com5", ...);
// nothing when the system's device list cannot be read at all.
std::optional<std::vector<std::string>> SystemPortNames(const PortLookup& lookup);

// Linux: the machine's numbered serial ports, pinned ones included, in no particular order.
std::vector<SystemPort> SystemPorts(const PortLookup& lookup);

}
