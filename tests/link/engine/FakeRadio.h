#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/BandLimits.h"

using Bytes = std::vector<uint8_t>;

// A radio on the other end of the cable, answering whole frames at once. Its protocol bytes are
// written out here on their own, so the tests check the engine against the radio's view of the
// link rather than against the engine's own constants. Faults are switched on per test.
class FakeRadio {
public:
    static constexpr uint16_t MemoryBase = 0x4000;
    static constexpr size_t MemorySize = 0x2000;

    FakeRadio();

    // The answer to one frame (possibly nothing).
    Bytes Receive(const Bytes& frame);

    uint8_t* At(uint16_t address) { return &memory_[address - MemoryBase]; }
    Bytes MemoryRange(uint16_t address, size_t n) const;

    // Frames received, and the addresses of the block frames with the given command letter.
    const std::vector<Bytes>& Received() const { return received_; }
    std::vector<uint16_t> BlockAddresses(uint8_t command) const;
    size_t CountFrames(const Bytes& frame) const;
    size_t CountStartingWith(uint8_t first) const;

    // What the radio reports about itself.
    Bytes ident;
    std::string serial = "12345678";
    std::string password;
    BandLimits band;

    // Faults.
    bool silent = false;
    Bytes chatter;  // sent on its own before every tick of the driver, answer or not
    Bytes identOverride;  // nonempty: answers the hello with these bytes
    bool answersInfo = true;
    uint8_t infoFirstByte = 0x06;
    uint8_t bandFirstByte = 0x06;
    size_t bandAnswerLength = 17;
    uint8_t readAnswerFirstByte = 'W';
    uint8_t writeAckByte = 0x06;
    int blocksBeforeSilence = -1;  // >= 0: stops answering block frames after that many
    Bytes blockAnswerTail;         // sent after every acknowledgement or read answer

    // Payload of the last 82 frame, the new password as the radio would store it.
    Bytes storedPasswordPayload;

private:
    Bytes IdentAnswer() const;
    Bytes InfoAnswer() const;
    Bytes BandAnswer() const;
    Bytes OnWrite(const Bytes& frame);
    Bytes OnRead(const Bytes& frame);
    bool BlockAllowed();

    std::array<uint8_t, MemorySize> memory_{};
    std::vector<Bytes> received_;
    int blocksAnswered_ = 0;
};
