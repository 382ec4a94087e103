#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/BandLimits.h"
#include "radio/RadioFaults.h"

// A radio the dealer puts on the cable after the first one. Without a memory file it starts as
// a copy of the first radio as it was at start-up.
struct NextRadio {
    std::string Serial;
    std::string MemoryPath;
};

struct RadioOptions {
    // One line a radio answers on, or several, each playing the whole sequence (SeveralLinks.h).
    std::vector<std::string> LinkPaths;
    std::string MemoryPath;
    std::optional<std::string> Password;
    std::optional<std::string> Serial;
    std::optional<std::string> Firmware;
    std::optional<BandLimits> Band;
    bool Pacing = true;
    bool Sample = false;
    RadioFaults Faults;
    std::vector<NextRadio> NextRadios;
    int SwapSilenceMs = 2000;
    int SessionsPerRadio = 1;
};

struct ParsedRadioOptions {
    std::optional<RadioOptions> Options;
    std::string Error;
};

ParsedRadioOptions ParseRadioOptions(const std::vector<std::string>& arguments);

extern const char* const RadioUsage;
