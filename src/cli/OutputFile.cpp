#include "cli/OutputFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string CannotWrite(const std::string& path, int error)
{
    return "Cannot write " + path + ": " + std::strerror(error);
}

}

std::optional<std::string> WhyNotWritable(const std::string& path)
{
    std::error_code ec;
    // A link is followed as the save follows it: the file it points to is the one replaced.
    fs::path target = fs::weakly_canonical(path, ec);
    if (ec)
        target = path;
    const fs::file_status status = fs::status(target, ec);
    if (fs::is_directory(status))
        return CannotWrite(path, EISDIR);
    if (fs::exists(status)) {
        if (!fs::is_regular_file(status))
            return "Cannot write " + path + ": not a regular file";
        if (access(target.c_str(), W_OK) != 0)
            return CannotWrite(path, errno);
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (access(folder.c_str(), W_OK | X_OK) != 0)
        return CannotWrite(path, errno);
    return std::nullopt;
}
