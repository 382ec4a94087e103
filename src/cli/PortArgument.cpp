#include "cli/PortArgument.h"

#include <filesystem>
#include <system_error>

#include "ports/SerialPortInfo.h"

std::optional<std::string> PortToOpen(const std::string& port, const TeskComm32::PortLookup& ports)
{
    using TeskComm32::TCommSerialPortInfo;
    if (TCommSerialPortInfo::PortNo(port) > 0) {
        if (TeskComm32::DevicePathOf(port, ports).empty())
            return std::nullopt;
        return port;
    }
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(port, ec);
    return ec ? port : absolute.string();
}
