#include "ports/PinnedPorts.h"

#include "ports/SerialPortInfo.h"

namespace TeskComm32 {

namespace {

std::map<int, std::string>& Pins()
{
    static std::map<int, std::string> pins;
    return pins;
}

}

const std::map<int, std::string>& PinnedPorts() { return Pins(); }

void SetPinnedPorts(std::map<int, std::string> pins)
{
    for (auto it = pins.begin(); it != pins.end();)
        it = (it->first <= 0 || it->second.empty()) ? pins.erase(it) : std::next(it);
    Pins() = std::move(pins);
}

}
