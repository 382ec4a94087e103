#pragma once

#include <string>
#include <vector>

using CommandArgs = std::vector<std::string>;

// A subcommand of kr-t27-cli: its name, a one-line usage, and its handler, which returns the exit status.
struct CliCommand {
    const char* name;
    const char* usage;
    int (*run)(const CommandArgs& args);
};

// Each group lists its commands; main() offers them all.
std::vector<CliCommand> FileCommands();      // new, image, from-image, dump
std::vector<CliCommand> TransferCommands();  // ports, read, write
std::vector<CliCommand> FactoryCommands();   // calibration, serial, password
std::vector<CliCommand> ExchangeCommands();  // export-csv, import-csv, from-json, sheet
std::vector<CliCommand> CompareCommands();   // compare
std::vector<CliCommand> SupportCommands();   // support-bundle
