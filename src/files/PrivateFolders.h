#pragma once

#include <string>
#include <system_error>

// Makes `folder` and whichever of its parents are missing, each for the user alone whatever the
// umask, since what goes into them (backups, the programming log) carries the radio's password.
// Folders that exist already are left as they are.
std::error_code MakePrivateFolders(const std::string& folder);
