#include "radio/PacedWriter.h"

#include <cerrno>
#include <chrono>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int BitsPerByte = 10;
constexpr int LineBaud = 9600;
constexpr std::chrono::nanoseconds ByteTime{1000000000LL * BitsPerByte / LineBaud};
constexpr int StalledOutputMs = 200;

}

void PacedWriter::Send(const std::vector<uint8_t>& bytes) const
{
    if (!pacing) {
        WriteAll(bytes.data(), bytes.size());
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::this_thread::sleep_until(start + ByteTime * long(i + 1));
        if (!WriteAll(&bytes[i], 1))
            return;
    }
}

bool PacedWriter::WriteAll(const uint8_t* bytes, size_t count) const
{
    while (count > 0) {
        const ssize_t n = write(fd, bytes, count);
        if (n > 0) {
            bytes += n;
            count -= size_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            return false;
        pollfd writable{fd, POLLOUT, 0};
        if (poll(&writable, 1, StalledOutputMs) <= 0)
            return false;
    }
    return true;
}
