#pragma once

#include <csignal>
#include <string>

#include "radio/FrameAssembler.h"
#include "radio/PacedWriter.h"
#include "radio/RadioSession.h"

// The radio's main loop on the pty master: gathers bytes, answers frames, keeps the memory at
// the end of each session. Runs until `stop` is set.
class VirtualRadio {
public:
    VirtualRadio(int masterFd, RadioMemory& memory, const RadioFaults& faults, bool pacing, std::string memoryPath);

    void Run(const volatile std::sig_atomic_t& stop);
    void SaveMemory() const;

private:
    void Receive();
    void AnswerFrames();

    int masterFd;
    RadioMemory& memory;
    RadioSession session;
    FrameAssembler assembler;
    PacedWriter writer;
    std::string memoryPath;
};
