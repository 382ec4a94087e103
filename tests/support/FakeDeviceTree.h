#pragma once

#include <map>
#include <string>

#include "ScratchDir.h"
#include "ports/PortLookup.h"

// A throw-away /sys/class/tty and /dev in a temporary directory.
class FakeDeviceTree {
public:
    FakeDeviceTree();
    FakeDeviceTree(const FakeDeviceTree&) = delete;
    FakeDeviceTree& operator=(const FakeDeviceTree&) = delete;

    // The port lookup that reads this tree, with `pinned` ports.
    TeskComm32::PortLookup Lookup(std::map<int, std::string> pinned = {}) const;

    // A tty with its /dev node; `uartType` is written to its "type" attribute when not empty,
    // `driver` becomes the name its device/driver link points to when not empty.
    void AddTty(const std::string& name, const std::string& uartType = "", const std::string& driver = "");
    // A USB serial adapter's tty as the kernel shows it: its device link leads into the USB device
    // that names the adapter (`manufacturer`, `product`, each left out when empty), bound to `driver`.
    void AddUsbTty(const std::string& name, const std::string& manufacturer, const std::string& product,
                   const std::string& driver);
    // A symbolic link at `relative` (inside the tree) to `target`.
    std::string AddLink(const std::string& relative, const std::string& target);
    std::string AddFile(const std::string& relative);

    std::string DevPath(const std::string& name) const { return dir.Path() + "/dev/" + name; }
    std::string Path(const std::string& relative) const { return dir.Path() + "/" + relative; }
    void RemoveSysfs();

private:
    ScratchDir dir;
};
