#pragma once

#include <string>
#include <vector>

#include "ports/PortLookup.h"

namespace TeskComm32 {

// The machine's serial ports as names "COM" + number, ascending; built fresh at every construction
// and refresh, the way `lookup` says.
class TCommSerialPortInfo {
public:
    explicit TCommSerialPortInfo(PortLookup lookup);
    virtual ~TCommSerialPortInfo() = default;

    std::vector<std::string> PortList;
    bool FromSystem = false;

    void Refresh();
    void ListFromSystem();

    static int PortNo(const std::string& name);
    static std::string PortName(int number);
    static int PortListSortCompare(const std::vector<std::string>& list, int i, int j);

private:
    PortLookup lookup_;
};

// The operating-system device that the port name stands for ("COM3" to "/dev/ttyUSB0" on Linux,
// "\\.\COM3" on Windows). A name that is already a device path is returned unchanged; a port
// number the machine does not have gives an empty path, which no serial port opens.
std::string DevicePathOf(const std::string& portName, const PortLookup& lookup);

// DevicePathOf of every name, in the order given, from one look at the machine: a list of ports
// takes the same time per port however long it is.
std::vector<std::string> DevicePathsOf(const std::vector<std::string>& portNames, const PortLookup& lookup);

// What a port is, for the person choosing it: the device it stands for and, where the system
// knows it, the adapter's name (see AdapterName); both empty for a number the machine lacks.
struct PortDetails {
    std::string Path;
    std::string Adapter;
};

std::vector<PortDetails> PortDetailsOf(const std::vector<std::string>& portNames, const PortLookup& lookup);

}
