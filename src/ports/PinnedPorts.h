#pragma once

#include <map>
#include <string>

namespace TeskComm32 {

const std::map<int, std::string>& PinnedPorts();

}
