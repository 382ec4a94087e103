#include "radio/MemoryFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

MemoryFileLoad LoadMemoryFile(const std::string& path, MemoryImage& image)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error)
        return MemoryFileLoad::Missing;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return MemoryFileLoad::Unusable;
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad() || bytes.size() != image.size())
        return MemoryFileLoad::Unusable;
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return MemoryFileLoad::Loaded;
}

bool SaveMemoryFile(const std::string& path, const MemoryImage& image)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
        out.flush();
        if (!out)
            return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}
