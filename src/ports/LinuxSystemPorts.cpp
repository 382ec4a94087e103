#ifndef _WIN32

#include <filesystem>
#include <map>
#include <optional>
#include <unordered_map>

#include "ports/PortNumbering.h"
#include "ports/SerialPortInfo.h"
#include "ports/SystemPorts.h"
#include "ports/TtyScan.h"

namespace fs = std::filesystem;

namespace TeskComm32 {

namespace {

// The device a path finally leads to; the path itself when it leads nowhere.
std::string ResolvedDevice(const std::string& path)
{
    std::error_code error;
    const fs::path resolved = fs::canonical(path, error);
    return error ? path : resolved.string();
}

std::vector<PinnedDevice> FindPinnedDevices(const std::map<int, std::string>& pinned)
{
    std::vector<PinnedDevice> pins;
    for (const auto& [number, path] : pinned) {
        if (number <= 0 || path.empty())
            continue;
        std::error_code error;
        const bool present = fs::exists(path, error);
        pins.push_back({number, path, ResolvedDevice(path), present});
    }
    return pins;
}

}

// Without a readable sysfs (a restricted container) the pinned ports are still listed.
std::vector<SystemPort> SystemPorts(const PortLookup& lookup)
{
    const DeviceTreeRoots& roots = lookup.DeviceTree;
    std::vector<std::string> devices;
    for (const std::string& tty : SerialTtyNames(roots.SysClassTty).value_or(std::vector<std::string>{}))
        devices.push_back(ResolvedDevice(roots.Dev + "/" + tty));
    return NumberPorts(devices, FindPinnedDevices(lookup.Pinned));
}

std::optional<std::vector<std::string>> SystemPortNames(const PortLookup& lookup)
{
    std::vector<std::string> names;
    for (const SystemPort& port : SystemPorts(lookup))
        names.push_back(TCommSerialPortInfo::PortName(port.Number));
    return names;
}

std::string DevicePathOf(const std::string& portName, const PortLookup& lookup)
{
    return DevicePathsOf({portName}, lookup).front();
}

// The machine is looked at only when a name is a port name, and then once.
std::vector<std::string> DevicePathsOf(const std::vector<std::string>& portNames, const PortLookup& lookup)
{
    std::optional<std::unordered_map<int, std::string>> devices;
    std::vector<std::string> paths;
    for (const std::string& name : portNames) {
        const int number = TCommSerialPortInfo::PortNo(name);
        if (number == 0) {
            paths.push_back(name);
            continue;
        }
        if (!devices) {
            devices.emplace();
            for (SystemPort& port : SystemPorts(lookup))
                devices->emplace(port.Number, std::move(port.Path));
        }
        const auto found = devices->find(number);
        paths.push_back(found == devices->end() ? std::string() : found->second);
    }
    return paths;
}

// A pinned path may be a link (by-id, by-path); the adapter is found under the tty it leads to.
std::vector<PortDetails> PortDetailsOf(const std::vector<std::string>& portNames, const PortLookup& lookup)
{
    std::vector<PortDetails> details;
    for (std::string& path : DevicePathsOf(portNames, lookup)) {
        const std::string tty = path.empty() ? path : fs::path(ResolvedDevice(path)).filename().string();
        std::string adapter = tty.empty() ? tty : AdapterName(lookup.DeviceTree.SysClassTty, tty);
        details.push_back({std::move(path), std::move(adapter)});
    }
    return details;
}

}

#endif
