#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/BandLimits.h"
#include "radio/RadioFaults.h"

struct RadioOptions {
    std::string LinkPath;
    std::string MemoryPath;
    std::optional<std::string> Password;
    std::optional<std::string> Serial;
    std::optional<std::string> Firmware;
    std::optional<BandLimits> Band;
    bool Pacing = true;
    bool Sample = false;
    RadioFaults Faults;
};

struct ParsedRadioOptions {
    std::optional<RadioOptions> Options;
    std::string Error;
};

ParsedRadioOptions ParseRadioOptions(const std::vector<std::string>& arguments);

extern const char* const RadioUsage;
