#pragma once

#include <string>
#include <vector>

// Runs the built kr-t27-cli as a user would, capturing what it prints.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun RunCli(const std::vector<std::string>& args, const std::string& stdinText = "");

class PseudoTerminal;

// A prompt the program shows on stderr, and what a user types at it.
struct TypedAnswer {
    std::string prompt;
    std::string typed;
};

// RunCli with the terminal as stdin, where a user types each answer once its prompt has appeared;
// nothing more is typed once the program ends.
CliRun RunCliOnTerminal(const std::vector<std::string>& args, PseudoTerminal& terminal,
                        const std::vector<TypedAnswer>& answers);
