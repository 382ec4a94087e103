#pragma once

#include <string>

// A pseudo-terminal pair: the radio talks on the master side, the programming software opens
// the slave as its serial port. The radio keeps its own slave handle open, so the master never
// sees a hang-up when the software closes the port between sessions.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    ~PseudoTerminal();

    // Returns an error text, empty on success.
    std::string Open();

    int MasterFd() const { return master; }
    const std::string& SlavePath() const { return slavePath; }

private:
    int master = -1;
    int slave = -1;
    std::string slavePath;
};
