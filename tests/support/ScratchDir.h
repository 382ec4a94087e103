#pragma once

#include <string>
#include <vector>

// A fresh folder under the system's temporary directory, removed with everything in it.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    // Names of everything in the folder, sorted: shows leftover temporary files.
    std::vector<std::string> Names() const;

private:
    std::string path_;
};

// A fresh empty folder inside one scratch folder that lasts until the test program ends, for
// helpers whose files outlive the scope that asked for them.
std::string ScratchFolder();
