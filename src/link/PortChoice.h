#pragma once

#include <string>

#include "link/PortCandidates.h"
#include "link/engine/TransferContext.h"

// Where a transfer looks for the radio: one named port, or each candidate in turn.
struct PortChoice {
    bool AutoSearch = false;
    std::string PortName;  // "COMn" or a device path; used without the search
    PortCandidates Candidates;

    static PortChoice Named(const std::string& portName) { return {false, portName, {}}; }
    static PortChoice Searching(PortCandidates candidates) { return {true, {}, std::move(candidates)}; }
};

// The choice the port settings make, with the machine's ports looked up afresh.
PortChoice PortChoiceFor(const LinkSettings& link);
