#include "files/SameFile.h"

#include <filesystem>
#include <system_error>

#include "files/PlatformFile.h"

namespace fs = std::filesystem;

namespace {

// The name a save through `path` creates: symbolic links followed, even one that dangles, then
// made absolute with "." and ".." and the links among the existing folders resolved.
std::string ResolvedName(const std::string& path)
{
    std::string target;
    if (platform::FinalName(path, target) != 0)
        target = path;
    std::error_code ec;
    const fs::path absolute = fs::absolute(target, ec);
    const fs::path resolved = fs::weakly_canonical(absolute, ec);
    return ec ? absolute.lexically_normal().string() : resolved.string();
}

}  // namespace

bool NameTheSameFile(const std::string& first, const std::string& second)
{
    platform::FileIdentity firstFile;
    platform::FileIdentity secondFile;
    if (platform::Identify(first, firstFile) == 0 && platform::Identify(second, secondFile) == 0)
        return firstFile == secondFile;
    return ResolvedName(first) == ResolvedName(second);
}
