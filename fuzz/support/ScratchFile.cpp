#include "ScratchFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "FuzzCheck.h"

namespace fs = std::filesystem;

namespace {

fs::path ScratchBase()
{
    std::error_code ec;
    if (fs::is_directory("/dev/shm", ec))
        return "/dev/shm";
    return fs::temp_directory_path();
}

// Never destroyed, so the exit handler that removes it still finds its name.
const fs::path& ScratchDir()
{
    static const fs::path* dir = [] {
        std::string pattern = (ScratchBase() / "kr-t27-fuzz-XXXXXX").string();
        FUZZ_REQUIRE(mkdtemp(pattern.data()) != nullptr);
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(ScratchDir(), ignored);
        });
        return new fs::path(pattern);
    }();
    return *dir;
}

}  // namespace

std::string ScratchPath(const std::string& name) { return (ScratchDir() / name).string(); }

void WriteScratchFile(const std::string& path, const uint8_t* data, size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    FUZZ_REQUIRE(out.good());
}
