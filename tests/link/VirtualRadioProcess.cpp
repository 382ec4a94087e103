#include "VirtualRadioProcess.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

constexpr int ReadyWaitMs = 5000;

std::string FreshDirectory()
{
    std::string pattern = (fs::temp_directory_path() / "kr-t27-link-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    return pattern;
}

void WriteImage(const std::string& path, const MemoryImage& image)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(image.data()), image.size());
}

// The radio prints its link path once the link exists.
void WaitUntilReady(int fd)
{
    pollfd ready{fd, POLLIN, 0};
    if (poll(&ready, 1, ReadyWaitMs) != 1)
        throw std::runtime_error("kr-t27-radio did not come up");
    char line[512];
    if (read(fd, line, sizeof line) <= 0)
        throw std::runtime_error("kr-t27-radio exited at start");
}

}

std::string ProgramPath(const std::string& name)
{
    const char* bin = std::getenv("KR_T27_BIN");
    return (fs::path(bin ? bin : "build/bin") / name).string();
}

VirtualRadioProcess::VirtualRadioProcess(const std::vector<std::string>& options, const MemoryImage* memory)
    : directory_(FreshDirectory()), linkPath_(directory_ + "/radio"), memoryPath_(directory_ + "/memory.bin")
{
    if (memory)
        WriteImage(memoryPath_, *memory);
    std::vector<std::string> args = {ProgramPath("kr-t27-radio"), "--link", linkPath_, "--memory", memoryPath_};
    args.insert(args.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0)
        throw std::runtime_error("pipe failed");
    pid_ = fork();
    if (pid_ == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    WaitUntilReady(out[0]);
    close(out[0]);
}

VirtualRadioProcess::~VirtualRadioProcess()
{
    Stop();
    fs::remove_all(directory_);
}

void VirtualRadioProcess::Stop()
{
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

MemoryImage VirtualRadioProcess::StopAndReadMemory()
{
    Stop();
    std::ifstream in(memoryPath_, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.size() != MemoryImageSize)
        throw std::runtime_error("the radio kept no memory file");
    MemoryImage image;
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return image;
}

MemoryImage VirtualRadioProcess::MemoryAtStart(const std::vector<std::string>& options, const MemoryImage& seed)
{
    VirtualRadioProcess radio(options, &seed);
    return radio.StopAndReadMemory();
}
