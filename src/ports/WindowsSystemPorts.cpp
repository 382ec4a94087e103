#ifdef _WIN32

#include <windows.h>

#include "ports/SerialPortInfo.h"
#include "ports/SystemPorts.h"

namespace TeskComm32 {

namespace {

constexpr const char* SerialCommKey = "HARDWARE\\DEVICEMAP\\SERIALCOMM";
constexpr DWORD MaxValueChars = 256;

// One value of the key: its data when that is a string, else an empty text (skipped).
std::string StringValue(HKEY key, DWORD index)
{
    char name[MaxValueChars];
    DWORD nameSize = MaxValueChars;
    BYTE data[MaxValueChars];
    DWORD dataSize = sizeof data - 1;
    DWORD type = 0;
    const LONG result = RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data, &dataSize);
    if (result != ERROR_SUCCESS || type != REG_SZ)
        return std::string();
    data[dataSize] = 0;
    return std::string(reinterpret_cast<const char*>(data));
}

}

// Read access is enough to list the ports; asking for more would fail for ordinary users. Windows
// numbers its COM ports itself, so pins are not consulted.
std::optional<std::vector<std::string>> SystemPortNames(const PortLookup&)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SerialCommKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::vector<std::string>{};
    DWORD valueCount = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &valueCount, nullptr, nullptr,
                         nullptr, nullptr) != ERROR_SUCCESS)
        valueCount = 0;
    std::vector<std::string> names;
    for (DWORD index = 0; index < valueCount; ++index)
        if (std::string value = StringValue(key, index); !value.empty())
            names.push_back(value);
    RegCloseKey(key);
    return names;
}

std::string DevicePathOf(const std::string& portName, const PortLookup&)
{
    const int number = TCommSerialPortInfo::PortNo(portName);
    return number > 0 ? "\\\\.\\" + TCommSerialPortInfo::PortName(number) : portName;
}

std::vector<std::string> DevicePathsOf(const std::vector<std::string>& portNames, const PortLookup& lookup)
{
    std::vector<std::string> paths;
    for (const std::string& name : portNames)
        paths.push_back(DevicePathOf(name, lookup));
    return paths;
}

// The registry names a port's driver object, not the adapter; only the device is told.
std::vector<PortDetails> PortDetailsOf(const std::vector<std::string>& portNames, const PortLookup& lookup)
{
    std::vector<PortDetails> details;
    for (std::string& path : DevicePathsOf(portNames, lookup))
        details.push_back({std::move(path), std::string()});
    return details;
}

}

#endif
