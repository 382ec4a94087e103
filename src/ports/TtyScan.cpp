#include "ports/TtyScan.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace TeskComm32 {

namespace {

struct TtyFamily {
    const char* prefix;
    bool needsUartCheck;
};

constexpr TtyFamily Families[] = {{"ttyUSB", false}, {"ttyACM", false}, {"ttyS", true}};
constexpr const char* PlaceholderDriver = "serial8250";
// Device numbers are small; a longer digit run is not a tty of ours and would not fit a long.
constexpr size_t MaxDeviceNumberDigits = 9;

// The device number after the family prefix; -1 when the rest is not all digits.
long DeviceNumber(const std::string& name, const std::string& prefix)
{
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
        return -1;
    const std::string digits = name.substr(prefix.size());
    if (digits.size() > MaxDeviceNumberDigits || !std::all_of(digits.begin(), digits.end(), ::isdigit))
        return -1;
    return std::stol(digits);
}

bool IsRealUart(const fs::path& tty)
{
    std::ifstream typeFile(tty / "type");
    int type = 0;
    if (typeFile >> type)
        return type != 0;
    std::error_code error;
    const fs::path driver = fs::read_symlink(tty / "device" / "driver", error);
    return !error && driver.filename() != PlaceholderDriver;
}

std::vector<std::string> FamilyMembers(const std::vector<std::string>& names, const fs::path& root,
                                       const TtyFamily& family)
{
    std::vector<std::pair<long, std::string>> members;
    for (const std::string& name : names) {
        const long number = DeviceNumber(name, family.prefix);
        if (number >= 0 && (!family.needsUartCheck || IsRealUart(root / name)))
            members.emplace_back(number, name);
    }
    std::sort(members.begin(), members.end());
    std::vector<std::string> ordered;
    for (const auto& member : members)
        ordered.push_back(member.second);
    return ordered;
}

// A USB serial port's tty hangs under the port (ttyUSB), which hangs under the interface, which
// hangs under the USB device that holds the strings; a CDC cable's tty under the interface.
constexpr int LevelsUpToUsbDevice = 3;

std::string FirstLine(const fs::path& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

std::string Joined(const std::string& first, const std::string& second)
{
    if (first.empty() || second.compare(0, first.size(), first) == 0)
        return second;
    return second.empty() ? first : first + " " + second;
}

}

std::string AdapterName(const std::string& sysClassTty, const std::string& ttyName)
{
    std::error_code error;
    const fs::path device = fs::canonical(fs::path(sysClassTty) / ttyName / "device", error);
    if (error)
        return std::string();
    const fs::path driver = fs::read_symlink(device / "driver", error);
    const std::string served = error ? std::string() : " (" + driver.filename().string() + ")";
    fs::path level = device;
    for (int up = 0; up <= LevelsUpToUsbDevice && level.has_relative_path(); ++up, level = level.parent_path()) {
        const std::string name = Joined(FirstLine(level / "manufacturer"), FirstLine(level / "product"));
        if (!name.empty())
            return name + served;
    }
    return std::string();
}

std::optional<std::vector<std::string>> SerialTtyNames(const std::string& sysClassTty)
{
    std::error_code error;
    fs::directory_iterator entries(sysClassTty, error);
    if (error)
        return std::nullopt;
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : entries)
        names.push_back(entry.path().filename().string());

    std::vector<std::string> ordered;
    for (const TtyFamily& family : Families) {
        const std::vector<std::string> members = FamilyMembers(names, sysClassTty, family);
        ordered.insert(ordered.end(), members.begin(), members.end());
    }
    return ordered;
}

}
