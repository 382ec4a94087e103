#include "FakeDeviceTree.h"

#include <filesystem>
#include <utility>

#include "FileContents.h"

namespace fs = std::filesystem;

FakeDeviceTree::FakeDeviceTree()
{
    fs::create_directories(dir.Path() + "/sys/class/tty");
    fs::create_directories(dir.Path() + "/dev");
    fs::create_directories(dir.Path() + "/sys/drivers");
}

TeskComm32::PortLookup FakeDeviceTree::Lookup(std::map<int, std::string> pinned) const
{
    return {std::move(pinned), {dir.Path() + "/sys/class/tty", dir.Path() + "/dev"}, {}};
}

void FakeDeviceTree::AddTty(const std::string& name, const std::string& uartType, const std::string& driver)
{
    const fs::path tty = dir.Path() + "/sys/class/tty/" + name;
    fs::create_directories(tty / "device");
    if (!uartType.empty())
        WriteAll((tty / "type").string(), uartType + "\n");
    if (!driver.empty()) {
        fs::create_directories(dir.Path() + "/sys/drivers/" + driver);
        fs::create_symlink(dir.Path() + "/sys/drivers/" + driver, tty / "device" / "driver");
    }
    AddFile("dev/" + name);
}

void FakeDeviceTree::AddUsbTty(const std::string& name, const std::string& manufacturer, const std::string& product,
                               const std::string& driver)
{
    const std::string usbDevice = "sys/devices/usb1/1-" + name;
    const std::string port = usbDevice + "/1-1:1.0/" + name;
    fs::create_directories(Path(port));
    if (!manufacturer.empty())
        WriteAll(Path(usbDevice + "/manufacturer"), manufacturer + "\n");
    if (!product.empty())
        WriteAll(Path(usbDevice + "/product"), product + "\n");
    fs::create_directories(Path("sys/drivers/" + driver));
    fs::create_symlink(Path("sys/drivers/" + driver), Path(port + "/driver"));
    fs::create_directories(Path("sys/class/tty/" + name));
    AddLink("sys/class/tty/" + name + "/device", Path(port));
    AddFile("dev/" + name);
}

std::string FakeDeviceTree::AddLink(const std::string& relative, const std::string& target)
{
    const fs::path link = Path(relative);
    fs::create_directories(link.parent_path());
    fs::create_symlink(target, link);
    return link.string();
}

std::string FakeDeviceTree::AddFile(const std::string& relative)
{
    const fs::path file = Path(relative);
    fs::create_directories(file.parent_path());
    WriteAll(file.string(), "");
    return file.string();
}

void FakeDeviceTree::RemoveSysfs() { fs::remove_all(dir.Path() + "/sys"); }
