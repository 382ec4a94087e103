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
