#pragma once

#include <string>

#include "link/PortCandidates.h"
#include "link/SerialLink.h"

// How long a port found by the search is left to settle before the first hello.
constexpr int SearchSettleMs = 50;

// Opens one port: a name "COMn" (mapped onto the system's device as `ports` says) or a device
// path as given.
PortOpenResult ComInit(SerialLink& link, const std::string& portName, const TeskComm32::PortLookup& ports);

// Opens the first candidate from `PortIndex` on that opens and configures, leaving `PortIndex`
// on it; candidates that fail are skipped. False when none is left.
bool ComInit_AutoSeach(SerialLink& link, PortCandidates& candidates, const TeskComm32::PortLookup& ports);
