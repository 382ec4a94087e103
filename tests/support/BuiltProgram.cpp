#include "BuiltProgram.h"

#include <cstdlib>
#include <filesystem>

std::string BuiltProgram(const std::string& name)
{
    const char* bin = std::getenv("KR_T27_BIN");
    if (bin && *bin)
        return (std::filesystem::path(bin) / name).string();
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / name).string();
}
