#pragma once

#include <cstdint>
#include <vector>

#include "radio/RadioFaults.h"
#include "radio/RadioMemory.h"

// What the radio does with one frame: the bytes it sends back, and whether the programming
// software ended the session (the moment to keep the memory).
struct RadioReply {
    std::vector<uint8_t> Bytes;
    bool SessionEnded = false;
};

// The radio's side of the link: a session opens with a hello and ends with the end byte;
// every other frame outside a session is ignored.
class RadioSession {
public:
    RadioSession(RadioMemory& memory, const RadioFaults& faults);

    RadioReply Handle(const std::vector<uint8_t>& frame);
    // What the radio sends unasked each time it looks at its line (nothing unless it chatters).
    std::vector<uint8_t> Chatter() const;
    bool IsOpen() const { return open; }

private:
    enum Step { IdentStep = 0, InfoStep = 1, BandStep = 2, BlockStep = 3 };

    RadioReply Hello();
    RadioReply Info();
    RadioReply Band(const std::vector<uint8_t>& frame);
    RadioReply WriteBlock(const std::vector<uint8_t>& frame);
    RadioReply ReadBlock(const std::vector<uint8_t>& frame);
    RadioReply End();

    bool Silenced(Step step) const;
    bool BlocksHungUp() const;
    RadioReply Answer(Step step, std::vector<uint8_t> bytes) const;
    void SpoilStoredByte(uint32_t address, std::vector<uint8_t>& data) const;

    RadioMemory& memory;
    RadioFaults faults;
    bool open = false;
    bool flooded = false;
    int blocksAnswered = 0;
    int blocksWritten = 0;
};
