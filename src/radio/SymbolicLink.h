#pragma once

#include <string>

// The stable name under which the radio's port is reached. An existing symbolic link there
// (left by an earlier run) is replaced; any other file is never touched.
class SymbolicLink {
public:
    SymbolicLink() = default;
    SymbolicLink(const SymbolicLink&) = delete;
    SymbolicLink& operator=(const SymbolicLink&) = delete;
    ~SymbolicLink() { Remove(); }

    // Returns an error text, empty on success.
    std::string Create(const std::string& target, const std::string& path);
    // Removes the link only while it still points to our target.
    void Remove();

private:
    std::string target;
    std::string path;
};
