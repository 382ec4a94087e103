#pragma once

#include <map>
#include <string>
#include <vector>

namespace TeskComm32 {

// The machine's serial ports as names "COM" + number, ascending; built fresh at every construction.
class TCommSerialPortInfo {
public:
    TCommSerialPortInfo();
    virtual ~TCommSerialPortInfo() = default;

    std::vector<std::string> PortList;
    bool FromSystem = false;

    void Refresh();
    void ListFromSystem();

    static int PortNo(const std::string& name);
    static std::string PortName(int number);
    static int PortListSortCompare(const std::vector<std::string>& list, int i, int j);
};

// Ports pinned by the settings file's "Ports" section: number to device path. A pinned number is
// reserved even while its device is absent, so that plugging in another adapter never takes it.
void SetPinnedPorts(std::map<int, std::string> pins);

// The operating-system device that the port name stands for ("COM3" to "/dev/ttyUSB0" on Linux,
// "\\.\COM3" on Windows). A name that is already a device path is returned unchanged; a port
// number the machine does not have gives an empty path, which no serial port opens.
std::string DevicePathOf(const std::string& portName);

// DevicePathOf of every name, in the order given, from one look at the machine: a list of ports
// takes the same time per port however long it is.
std::vector<std::string> DevicePathsOf(const std::vector<std::string>& portNames);

}
