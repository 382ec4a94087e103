#pragma once

#include <string>

// The program's folder among the user's data, where backups and the programming log are kept:
// $XDG_DATA_HOME/kr-t27, or ~/.local/share/kr-t27 (%LOCALAPPDATA%\kr-t27 on Windows); empty when
// neither is known.
std::string ProgramDataFolder();
