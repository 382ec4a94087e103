#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The programming software's end of the virtual radio's link, with plain termios I/O.
class LinkClient {
public:
    explicit LinkClient(const std::string& path);
    ~LinkClient();
    LinkClient(const LinkClient&) = delete;
    LinkClient& operator=(const LinkClient&) = delete;

    bool IsOpen() const { return fd >= 0; }
    void Send(const std::vector<uint8_t>& bytes);
    // Collects bytes until `count` have arrived or `waitMs` has passed.
    std::vector<uint8_t> Receive(size_t count, int waitMs = 1000);
    std::vector<uint8_t> Exchange(const std::vector<uint8_t>& bytes, size_t count, int waitMs = 1000);

private:
    int fd = -1;
};
