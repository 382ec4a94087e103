#include "files/DataFolder.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr const char* ProgramFolderName = "kr-t27";

std::string EnvValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string DataHome()
{
#ifdef _WIN32
    return EnvValue("LOCALAPPDATA");
#else
    // A relative XDG_DATA_HOME is invalid and ignored, as the base-directory convention says.
    const std::string xdg = EnvValue("XDG_DATA_HOME");
    if (!xdg.empty() && fs::path(xdg).is_absolute())
        return xdg;
    const std::string home = EnvValue("HOME");
    return home.empty() ? home : (fs::path(home) / ".local" / "share").string();
#endif
}

}  // namespace

std::string ProgramDataFolder()
{
    const std::string home = DataHome();
    return home.empty() ? home : (fs::path(home) / ProgramFolderName).string();
}
