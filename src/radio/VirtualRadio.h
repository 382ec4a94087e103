#pragma once

#include <optional>
#include <string>

#include "radio/FrameAssembler.h"
#include "radio/PacedWriter.h"
#include "radio/RadioSequence.h"
#include "radio/RadioSession.h"

// The radio's main loop on the pty master: gathers bytes, answers frames, keeps the memory at
// the end of each session, and puts the next radio of the sequence on the line when its turn
// comes. Runs until `stopFd` (the read end of a pipe) becomes readable, so that one signal
// wakes the loops of all links at once.
class VirtualRadio {
public:
    VirtualRadio(int masterFd, RadioMemory& memory, const RadioFaults& faults, bool pacing, std::string memoryPath,
                 RadioSequence sequence);

    void Run(int stopFd);
    void SaveMemory() const;

private:
    void Receive();
    void DropReceived();
    void AnswerFrames();
    void BringOnNextRadio();

    int masterFd;
    RadioMemory& memory;
    RadioFaults faults;
    std::optional<RadioSession> session;
    FrameAssembler assembler;
    PacedWriter writer;
    std::string memoryPath;
    RadioSequence sequence;
};
