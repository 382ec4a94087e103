#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

// Cuts the byte stream from the programming software into frames. Bytes that cannot start a
// frame are dropped; a frame split across reads waits for its remainder. Outside a session only
// the hello counts, so stray bytes cannot swallow the next hello as a frame's payload.
class FrameAssembler {
public:
    void Feed(const uint8_t* bytes, size_t count);

    std::optional<std::vector<uint8_t>> NextFrame(bool sessionOpen);

    bool HasPartialFrame() const { return !pending.empty(); }
    // Gives up on a partial frame whose sender stopped: drops its first byte so the rest is
    // scanned again for a frame start.
    void DropStalledByte();

private:
    // Whether the pending bytes begin a frame; `length` is set once the frame's length is known.
    enum class Start { Invalid, Incomplete, Complete };
    Start Examine(bool sessionOpen, size_t& length) const;
    Start ExamineHello(size_t& length) const;

    std::deque<uint8_t> pending;
};
