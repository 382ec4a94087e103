#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Sends the radio's answers on the pty master. With pacing each byte leaves no earlier than a
// real 9600-baud line would let it (10 bits per byte), so the software's timing is exercised.
// Output that nobody reads for a while is dropped instead of blocking the radio.
class PacedWriter {
public:
    PacedWriter(int fd, bool pacing) : fd(fd), pacing(pacing) {}

    void Send(const std::vector<uint8_t>& bytes) const;

private:
    bool WriteAll(const uint8_t* bytes, size_t count) const;

    int fd;
    bool pacing;
};
