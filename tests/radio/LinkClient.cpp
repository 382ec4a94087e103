#include "LinkClient.h"

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

LinkClient::LinkClient(const std::string& path) : fd(open(path.c_str(), O_RDWR | O_NOCTTY))
{
    termios settings{};
    if (fd < 0 || tcgetattr(fd, &settings) != 0)
        return;
    cfmakeraw(&settings);
    cfsetspeed(&settings, B9600);
    tcsetattr(fd, TCSANOW, &settings);
    tcflush(fd, TCIOFLUSH);
}

LinkClient::~LinkClient()
{
    if (fd >= 0)
        close(fd);
}

void LinkClient::Send(const std::vector<uint8_t>& bytes)
{
    if (fd >= 0 && !bytes.empty())
        (void)!write(fd, bytes.data(), bytes.size());
}

std::vector<uint8_t> LinkClient::Receive(size_t count, int waitMs)
{
    std::vector<uint8_t> received;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (received.size() < count && fd >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd readable{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&readable, 1, int(left.count())) <= 0)
            break;
        uint8_t buffer[512];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        received.insert(received.end(), buffer, buffer + n);
    }
    return received;
}

std::vector<uint8_t> LinkClient::Exchange(const std::vector<uint8_t>& bytes, size_t count, int waitMs)
{
    Send(bytes);
    return Receive(count, waitMs);
}
