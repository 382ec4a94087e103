#include "FakeDeviceTree.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "ports/SerialPortInfo.h"
#include "ports/SystemPorts.h"

namespace fs = std::filesystem;

FakeDeviceTree::FakeDeviceTree()
{
    char pattern[] = "/tmp/kr-ports-test-XXXXXX";
    root = mkdtemp(pattern) ? pattern : "/tmp/kr-ports-test";
    fs::create_directories(root + "/sys/class/tty");
    fs::create_directories(root + "/dev");
    fs::create_directories(root + "/sys/drivers");
    TeskComm32::SetDeviceTreeRoots({root + "/sys/class/tty", root + "/dev"});
}

FakeDeviceTree::~FakeDeviceTree()
{
    TeskComm32::SetDeviceTreeRoots({});
    TeskComm32::SetPinnedPorts({});
    std::error_code error;
    fs::remove_all(root, error);
}

void FakeDeviceTree::AddTty(const std::string& name, const std::string& uartType, const std::string& driver)
{
    const fs::path tty = root + "/sys/class/tty/" + name;
    fs::create_directories(tty / "device");
    if (!uartType.empty())
        std::ofstream(tty / "type") << uartType << "\n";
    if (!driver.empty()) {
        fs::create_directories(root + "/sys/drivers/" + driver);
        fs::create_symlink(root + "/sys/drivers/" + driver, tty / "device" / "driver");
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
    std::ofstream{file};
    return file.string();
}

void FakeDeviceTree::RemoveSysfs() { fs::remove_all(root + "/sys"); }
