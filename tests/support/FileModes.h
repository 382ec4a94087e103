#pragma once

#include <string>

#include <sys/types.h>

// Permission bits, for tests of who may read what the programs make.

// Sets the process's umask for one scope; child processes started meanwhile inherit it.
class UmaskOverride {
public:
    explicit UmaskOverride(mode_t mask);
    ~UmaskOverride();
    UmaskOverride(const UmaskOverride&) = delete;
    UmaskOverride& operator=(const UmaskOverride&) = delete;

private:
    mode_t previous_;
};

// The permission bits of a file or folder (0644, 0700, ...); 0 when it does not exist.
unsigned PermissionsOf(const std::string& path);
