#pragma once

#include <string>
#include <vector>

#include <cstdint>

// A pseudo-terminal pair for tests: the program under test opens the slave by its path, the test
// plays the other end on the master.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& SlavePath() const { return slavePath_; }
    void Send(const std::vector<uint8_t>& bytes);
    // What arrived at the master within `waitMs`, while the Qt event loop keeps running.
    std::vector<uint8_t> Receive(int waitMs);
    // Sets the line up as a user's terminal is: input in lines, echoed as typed.
    void EchoLikeAUsersTerminal();
    // Closes the master end, as pulling a USB cable takes the device away under its user.
    void Hangup();

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};
