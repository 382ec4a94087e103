#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "radio/RadioOptions.h"

// A radio program on several links plays the whole sequence on each of them, like a dealer with a
// cable per radio. Link 0 plays it as given. Link k (from 1) plays a copy whose radios report
// serial numbers of their own, k * 1000 above link 0's, and keep their memory in files of their
// own, named with "-k" before the extension, so that radios on different cables are told apart
// and never share a file.
constexpr unsigned LinkSerialStep = 1000;

// `serial` counted up for link `link`, with at least as many digits as it had ("00000199" is
// "00001199" on link 1, "42" is "1042"; none counts as 0). Unchanged on link 0; nothing when it
// holds anything but decimal digits or would need more than a serial number's 8 digits.
std::optional<std::string> SerialOnLink(const std::string& serial, size_t link);

// The memory file of link `link`: "memory.bin" is "memory-2.bin" on link 2. Unchanged on link 0,
// and no file stays no file.
std::string MemoryFileOnLink(const std::string& path, size_t link);

// The options link `link` plays: only its own link path, and from link 1 on the serial numbers
// and memory files of that link, counted from `firstSerial`, what link 0's first radio reports.
// Nothing when a serial number cannot be counted up (SerialOnLink).
std::optional<RadioOptions> OptionsOnLink(const RadioOptions& options, size_t link, const std::string& firstSerial);

// A memory file that two links' options name, which their radios would overwrite in turns; empty
// when there is none.
std::string MemoryFileOnTwoLinks(const std::vector<RadioOptions>& links);
