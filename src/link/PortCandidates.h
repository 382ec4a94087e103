#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ports/PortLookup.h"

// The ports the automatic search tries, in the order the system lists them, and the one being
// tried. Empty when the system listed nothing (the enumerator's fallback list does not count).
struct PortCandidates {
    std::vector<int> Numbers;
    size_t PortIndex = 0;

    bool Contains(int portNumber) const;
    bool Exhausted() const { return PortIndex >= Numbers.size(); }
};

PortCandidates RefreshPortCandidates(const TeskComm32::PortLookup& lookup);

// "COM" and the number: the name the user sees and the settings file keeps.
std::string ComPortName(int portNumber);
