#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A path in a directory of this process's own, made on first use and removed at exit. It lies in
// memory (/dev/shm) where the machine has that, so the loaders' reads and the atomic saves'
// flushes cost no disk writes on every run.
std::string ScratchPath(const std::string& name);

void WriteScratchFile(const std::string& path, const uint8_t* data, size_t size);
