#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Runs build/bin/kr-t27-radio for a test: starts it, waits for the link path it prints, and
// stops it with SIGTERM when the test is done.
class RadioProcess {
public:
    RadioProcess(const std::string& linkPath, const std::vector<std::string>& extraArguments);
    ~RadioProcess();
    RadioProcess(const RadioProcess&) = delete;
    RadioProcess& operator=(const RadioProcess&) = delete;

    // The first line the radio printed; empty when it failed to start.
    const std::string& AnnouncedPath() const { return announced; }
    // Sends SIGTERM and returns the exit status (-1 when it did not exit normally).
    int Stop();

private:
    int pid = -1;
    std::string announced;
};

// The programming software's end of the link, with plain termios I/O.
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

std::string RadioBinary();
std::string MakeTempDir();
std::vector<uint8_t> Bytes(const std::string& text);
