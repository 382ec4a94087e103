#include "files/SettingsLocation.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "files/AppSettings.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <climits>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

const char* const WriteProbeName = ".kr-t27-write-probe";

std::string EnvValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string ExecutablePath()
{
#ifdef _WIN32
    char buffer[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return (n == 0 || n == MAX_PATH) ? std::string() : std::string(buffer, n);
#else
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer);
    return (n <= 0 || size_t(n) == sizeof buffer) ? std::string() : std::string(buffer, size_t(n));
#endif
}

}  // namespace

std::string ExecutableDirectory()
{
    const std::string exe = ExecutablePath();
    return exe.empty() ? exe : fs::path(exe).parent_path().string();
}

std::string UserConfigHome()
{
#ifdef _WIN32
    return EnvValue("APPDATA");
#else
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base-directory convention says.
    const std::string xdg = EnvValue("XDG_CONFIG_HOME");
    if (!xdg.empty() && fs::path(xdg).is_absolute())
        return xdg;
    const std::string home = EnvValue("HOME");
    return home.empty() ? home : (fs::path(home) / ".config").string();
#endif
}

bool IsWritableDirectory(const std::string& dir)
{
    const std::string probe = (fs::path(dir) / WriteProbeName).string();
    std::FILE* file = std::fopen(probe.c_str(), "wbx");
    if (!file) {
        // A probe left by a killed run: being allowed to delete it proves the folder writable.
        return errno == EEXIST && std::remove(probe.c_str()) == 0;
    }
    std::fclose(file);
    std::remove(probe.c_str());
    return true;
}

std::string ChooseSettingsFilePath(const std::string& executableDir, const std::string& configHome)
{
    const fs::path besideExecutable = fs::path(executableDir) / SettingsFileName;
    if (!executableDir.empty()) {
        std::error_code ec;
        if (fs::exists(besideExecutable, ec) || IsWritableDirectory(executableDir))
            return besideExecutable.string();
    }
    if (configHome.empty())
        return besideExecutable.string();
    return (fs::path(configHome) / SettingsConfigFolder / SettingsFileName).string();
}

std::string SettingsFilePath() { return ChooseSettingsFilePath(ExecutableDirectory(), UserConfigHome()); }
