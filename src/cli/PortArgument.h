#pragma once

#include <optional>
#include <string>

// What a --port argument opens: a COM name the machine lists (pinned ports included), kept as it
// is, or a device path, a relative one taken from the working directory as any path on a command
// line is. Nothing for a COM name the machine does not list. Pinned ports must be set first.
std::optional<std::string> PortToOpen(const std::string& port);
