#include "RadioProcess.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>

#include "BuiltProgram.h"
#include "FileContents.h"

extern char** environ;

namespace {

constexpr int StartupWaitMs = 5000;

std::string ReadLine(int fd)
{
    std::string line;
    char c;
    pollfd readable{fd, POLLIN, 0};
    while (poll(&readable, 1, StartupWaitMs) > 0 && read(fd, &c, 1) == 1 && c != '\n')
        line.push_back(c);
    return line;
}

MemoryImage ReadMemoryImage(const std::string& path)
{
    const std::vector<uint8_t> bytes = ReadAllBytes(path);
    if (bytes.size() != MemoryImageSize)
        throw std::runtime_error("no memory image in " + path);
    MemoryImage image;
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return image;
}

}  // namespace

RadioProcess::RadioProcess(const std::vector<std::string>& options, const MemoryImage* memory, size_t linkCount)
    : linkPaths_{dir_.File("radio")}, memoryPath_(dir_.File("memory.bin"))
{
    for (size_t link = 1; link < linkCount; ++link)
        linkPaths_.push_back(dir_.File("radio-" + std::to_string(link)));
    for (size_t link = 0; memory && link < linkCount; ++link)
        WriteAll(link == 0 ? memoryPath_ : dir_.File("memory-" + std::to_string(link) + ".bin"),
                 std::vector<uint8_t>(memory->begin(), memory->end()));
    std::vector<std::string> withMemory = {"--memory", memoryPath_};
    withMemory.insert(withMemory.end(), options.begin(), options.end());
    Launch(withMemory);
    if (announced_ != linkPaths_)
        throw std::runtime_error("kr-t27-radio did not come up");
}

RadioProcess::RadioProcess(const std::string& linkPath, const std::vector<std::string>& options)
    : linkPaths_{linkPath}
{
    Launch(options);
}

RadioProcess::~RadioProcess() { Stop(); }

void RadioProcess::Launch(const std::vector<std::string>& options)
{
    std::vector<std::string> arguments = {BuiltProgram("kr-t27-radio")};
    for (const std::string& link : linkPaths_)
        arguments.insert(arguments.end(), {"--link", link});
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addchdir_np(&actions, dir_.Path().c_str());
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    // A radio prints the path of each link once all are ready; one that fails prints none.
    for (size_t link = 0; pid_ > 0 && link < linkPaths_.size(); ++link)
        if (std::string line = ReadLine(out[0]); !line.empty())
            announced_.push_back(line);
    close(out[0]);
}

int RadioProcess::Stop()
{
    if (pid_ <= 0)
        return -1;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

MemoryImage RadioProcess::StopAndReadMemory()
{
    Stop();
    if (memoryPath_.empty())
        throw std::runtime_error("the radio kept no memory file");
    return ReadMemoryImage(memoryPath_);
}

MemoryImage RadioProcess::ReadMemory(const std::string& name) const { return ReadMemoryImage(FilePath(name)); }

MemoryImage RadioProcess::MemoryAtStart(const std::vector<std::string>& options, const MemoryImage& seed)
{
    RadioProcess radio(options, &seed);
    return radio.StopAndReadMemory();
}
