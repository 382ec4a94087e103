#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "radio/FrameAssembler.h"
#include "radio/RadioFaults.h"
#include "radio/RadioMemory.h"
#include "radio/RadioSession.h"

using Bytes = std::vector<uint8_t>;

// The virtual radio's session on the far end of a simulated cable. The engine's frames go through
// the radio's own frame assembly, so the tests check the engine against the radio's view of the
// link rather than against the engine's own constants; every frame is kept for the test to
// inspect. Memory and faults are set before the first frame.
class SimulatedRadio {
public:
    SimulatedRadio();

    // The answer to one frame (possibly nothing), and the bytes the radio sends unasked before
    // every tick of the driver.
    Bytes Receive(const Bytes& frame);
    Bytes Chatter();

    uint8_t* At(uint16_t address) { return &memory.Image()[address - RadioMemory::FirstAddress]; }
    Bytes MemoryRange(uint16_t address, size_t n) const { return memory.Read(address, n); }

    // Frames received, and the addresses of the block frames with the given command letter.
    const std::vector<Bytes>& Received() const { return received_; }
    std::vector<uint16_t> BlockAddresses(uint8_t command) const;
    size_t CountFrames(const Bytes& frame) const;
    size_t CountStartingWith(uint8_t first) const;
    // The 16 bytes after 82 in the last password-setting frame; empty when none came.
    Bytes InstalledPasswordPayload() const;

    RadioMemory memory;
    RadioFaults faults;

private:
    RadioSession& Session();

    FrameAssembler assembler_;
    std::optional<RadioSession> session_;
    std::vector<Bytes> received_;
};
