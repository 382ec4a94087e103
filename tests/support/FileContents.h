#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Whole-file reads and writes for tests. A file that cannot be read reads as empty, so a test
// compares it like any other content; a file that cannot be written throws, as the test would
// otherwise check something it never set up.
std::string ReadAll(const std::string& path);
std::vector<uint8_t> ReadAllBytes(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);
void WriteAll(const std::string& path, const std::vector<uint8_t>& bytes);
bool FileExists(const std::string& path);

// `count` bytes from a seeded generator: the same seed gives the same bytes.
std::vector<uint8_t> RandomBytes(size_t count, unsigned seed);
