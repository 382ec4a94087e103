#pragma once

#include <string>
#include <vector>

// Runs build/bin/kr-t27-cli as a user would, capturing what it prints.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun RunCli(const std::vector<std::string>& args, const std::string& stdinText = "");

// A fresh directory under the system's temporary directory, removed with its files at exit.
std::string TempDir();

std::string BinaryPath(const std::string& name);
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
