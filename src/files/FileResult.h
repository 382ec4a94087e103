#pragma once

#include <string>
#include <utility>

// The outcome of reading or writing a file: on failure a one-line message for the user.
struct FileResult {
    bool ok = true;
    std::string message;

    static FileResult Success() { return {}; }
    static FileResult Failure(std::string why) { return {false, std::move(why)}; }
};
