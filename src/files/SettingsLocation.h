#pragma once

#include <string>

// The model name followed by "_config.ini".
constexpr const char* SettingsFileName = "KR-T27_config.ini";
// Folder of the settings file inside the user's configuration directory.
constexpr const char* SettingsConfigFolder = "kr-t27";

// The folder holding the running executable; empty when the system does not tell.
std::string ExecutableDirectory();

// $XDG_CONFIG_HOME, or ~/.config; empty when neither is known.
std::string UserConfigHome();

// Whether a new file can be created in `dir` (tried, not guessed from permission bits, which do
// not bind the administrator).
bool IsWritableDirectory(const std::string& dir);

// A settings file already beside the executable is always used; otherwise the executable's folder
// when it is writable, else the "kr-t27" folder of `configHome`.
std::string ChooseSettingsFilePath(const std::string& executableDir, const std::string& configHome);
