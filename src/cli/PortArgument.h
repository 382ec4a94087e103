#pragma once

#include <optional>
#include <string>

#include "ports/PortLookup.h"

// What a --port argument opens: a COM name the machine lists as `ports` looks it up, kept as it
// is, or a device path, a relative one taken from the working directory as any path on a command
// line is. Nothing for a COM name the machine does not list.
std::optional<std::string> PortToOpen(const std::string& port, const TeskComm32::PortLookup& ports);
