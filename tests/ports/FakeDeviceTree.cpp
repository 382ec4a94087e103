#include "FakeDeviceTree.h"

#include <filesystem>

#include "FileContents.h"
#include "ports/SerialPortInfo.h"
#include "ports/SystemPorts.h"

namespace fs = std::filesystem;

FakeDeviceTree::FakeDeviceTree()
{
    fs::create_directories(dir.Path() + "/sys/class/tty");
    fs::create_directories(dir.Path() + "/dev");
    fs::create_directories(dir.Path() + "/sys/drivers");
    TeskComm32::SetDeviceTreeRoots({dir.Path() + "/sys/class/tty", dir.Path() + "/dev"});
}

FakeDeviceTree::~FakeDeviceTree()
{
    TeskComm32::SetDeviceTreeRoots({});
    TeskComm32::SetPinnedPorts({});
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
