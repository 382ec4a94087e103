#include "FileContents.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace {

void Write(const std::string& path, const char* bytes, size_t count)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes, std::streamsize(count));
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}

}  // namespace

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<uint8_t> ReadAllBytes(const std::string& path)
{
    const std::string bytes = ReadAll(path);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

void WriteAll(const std::string& path, const std::string& bytes) { Write(path, bytes.data(), bytes.size()); }

void WriteAll(const std::string& path, const std::vector<uint8_t>& bytes)
{
    Write(path, reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

std::vector<uint8_t> RandomBytes(size_t count, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(count);
    for (uint8_t& b : bytes)
        b = uint8_t(random());
    return bytes;
}
