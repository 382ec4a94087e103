#include "files/PrivateFolders.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::error_code MakeMissing(const fs::path& folder)
{
    std::error_code ec;
    if (folder.empty() || fs::is_directory(folder, ec))
        return ec;
    if ((ec = MakeMissing(folder.parent_path())))
        return ec;
    // Another process may make the same folder meanwhile: then it is left as that one made it.
    if (fs::create_directory(folder, ec))
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ec);
    return ec;
}

}  // namespace

std::error_code MakePrivateFolders(const std::string& folder) { return MakeMissing(fs::path(folder)); }
