#include "CliRunner.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Quote(const std::string& arg)
{
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct TempRoot {
    fs::path path;
    TempRoot()
    {
        std::string pattern = (fs::temp_directory_path() / "kr-t27-test-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~TempRoot() { fs::remove_all(path); }
};

}

std::string BinaryPath(const std::string& name)
{
    const char* bin = std::getenv("KR_T27_BIN");
    return (fs::path(bin ? bin : "build/bin") / name).string();
}

std::string TempDir()
{
    static TempRoot root;
    static int counter = 0;
    const fs::path dir = root.path / std::to_string(++counter);
    fs::create_directories(dir);
    return dir.string();
}

CliRun RunCli(const std::vector<std::string>& args, const std::string& stdinText)
{
    const std::string dir = TempDir();
    const fs::path in = fs::path(dir) / "stdin", out = fs::path(dir) / "stdout", err = fs::path(dir) / "stderr";
    WriteFile(in.string(), stdinText);
    std::string command = Quote(BinaryPath("kr-t27-cli"));
    for (const auto& a : args)
        command += " " + Quote(a);
    command += " <" + Quote(in.string()) + " >" + Quote(out.string()) + " 2>" + Quote(err.string());
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(out), Slurp(err)};
}

std::string ReadFile(const std::string& path) { return Slurp(path); }

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

bool FileExists(const std::string& path) { return fs::exists(path); }
