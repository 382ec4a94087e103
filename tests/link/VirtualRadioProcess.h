#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

#include "model/MemoryImage.h"

// The project's virtual radio (kr-t27-radio) in a child process, on a pty reached through a
// symbolic link in a fresh directory. Its memory file lives beside the link.
class VirtualRadioProcess {
public:
    // `options` are passed on after --link and --memory. Seeds the memory file when `memory` is given.
    explicit VirtualRadioProcess(const std::vector<std::string>& options, const MemoryImage* memory = nullptr);
    ~VirtualRadioProcess();
    VirtualRadioProcess(const VirtualRadioProcess&) = delete;
    VirtualRadioProcess& operator=(const VirtualRadioProcess&) = delete;

    const std::string& LinkPath() const { return linkPath_; }
    // Stops the radio, which keeps its memory on the way out, and returns that memory.
    MemoryImage StopAndReadMemory();

    // The memory a radio started this way holds before anybody talks to it (its options set
    // serial number, band and password in it).
    static MemoryImage MemoryAtStart(const std::vector<std::string>& options, const MemoryImage& seed);

private:
    void Stop();

    std::string directory_;
    std::string linkPath_;
    std::string memoryPath_;
    pid_t pid_ = -1;
};

// A path of the test build's programs, from KR_T27_BIN.
std::string ProgramPath(const std::string& name);
