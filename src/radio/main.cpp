#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <thread>
#include <unistd.h>
#include <vector>

#include "radio/MemoryFile.h"
#include "radio/PseudoTerminal.h"
#include "radio/RadioOptions.h"
#include "radio/RadioSequence.h"
#include "radio/SampleMemory.h"
#include "radio/SeveralLinks.h"
#include "radio/SymbolicLink.h"
#include "radio/VirtualRadio.h"

namespace {

constexpr int UsageExit = 2;
constexpr int SetupExit = 1;

// Written to by the signal handler and watched by the loop of every link: a signal stops them all.
int stopPipe[2] = {-1, -1};

void RequestStop(int)
{
    const int interrupted = errno;
    (void)!write(stopPipe[1], "", 1);
    errno = interrupted;
}

// Returns an error text, empty on success.
std::string InstallSignalHandlers()
{
    if (pipe(stopPipe) != 0 || fcntl(stopPipe[1], F_SETFL, O_NONBLOCK) != 0)
        return std::string("stop pipe: ") + std::strerror(errno);
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    return {};
}

bool PrepareMemory(const RadioOptions& options, RadioMemory& memory)
{
    if (!options.MemoryPath.empty() &&
        LoadMemoryFile(options.MemoryPath, memory.Image()) == MemoryFileLoad::Unusable) {
        std::fprintf(stderr, "kr-t27-radio: %s is not a readable %zu-byte memory file\n",
                     options.MemoryPath.c_str(), MemoryImageSize);
        return false;
    }
    if (options.Band)
        memory.SetBand(*options.Band);
    if (options.Sample)
        FillSampleMemory(memory);
    if (options.Password)
        memory.SetPasswordText(*options.Password);
    if (options.Serial)
        memory.SetSerialNumber(*options.Serial);
    if (options.Firmware)
        memory.SetFirmware(*options.Firmware);
    if (std::string unusable; !NextRadioMemoriesUsable(options.NextRadios, unusable)) {
        std::fprintf(stderr, "kr-t27-radio: %s is not a readable %zu-byte memory file\n", unusable.c_str(),
                     MemoryImageSize);
        return false;
    }
    return true;
}

// One link: what it plays, the memory of the radio on it, and its pseudo-terminal under its path.
struct Line {
    RadioOptions options;
    RadioMemory memory;
    PseudoTerminal terminal;
    SymbolicLink link;
};
using Lines = std::vector<std::unique_ptr<Line>>;

// Link 0 first: the serial numbers of the others count up from what its first radio reports,
// which its memory file may hold.
bool PrepareLines(const RadioOptions& options, Lines& lines)
{
    for (size_t k = 0; k < options.LinkPaths.size(); ++k) {
        const std::string firstSerial = lines.empty() ? std::string() : lines.front()->memory.SerialText();
        std::optional<RadioOptions> onLink = OptionsOnLink(options, k, firstSerial);
        if (!onLink) {
            std::fprintf(stderr,
                         "kr-t27-radio: link %zu cannot count up the serial number of link 0's first radio: it must "
                         "be decimal digits that still fit 8 digits with 1000 added per link\n",
                         k);
            return false;
        }
        lines.push_back(std::make_unique<Line>());
        lines.back()->options = std::move(*onLink);
        if (!PrepareMemory(lines.back()->options, lines.back()->memory))
            return false;
    }
    return true;
}

// Returns an error text, empty on success.
std::string OpenLines(Lines& lines)
{
    for (const auto& line : lines) {
        if (std::string error = line->terminal.Open(); !error.empty())
            return error;
        if (std::string error = line->link.Create(line->terminal.SlavePath(), line->options.LinkPaths.front());
            !error.empty())
            return error;
    }
    return {};
}

// A thread per link, so that one link's paced answers never hold up another's.
void PlayLines(const Lines& lines, int stopFd)
{
    std::vector<std::thread> players;
    for (const auto& line : lines)
        players.emplace_back([&line = *line, stopFd] {
            const RadioOptions& o = line.options;
            RadioSequence sequence(o.NextRadios, line.memory, o.SessionsPerRadio, o.SwapSilenceMs);
            VirtualRadio radio(line.terminal.MasterFd(), line.memory, o.Faults, o.Pacing, o.MemoryPath,
                               std::move(sequence));
            radio.Run(stopFd);
            radio.SaveMemory();
        });
    for (std::thread& player : players)
        player.join();
}

// --help and --version stand alone: they need no --link and open nothing.
bool AnsweredInformationRequest(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 1)
        return false;
    if (arguments.front() == "--version")
        std::printf("kr-t27-radio %s\n", KR_T27_VERSION);
    else if (arguments.front() == "--help")
        std::fputs(RadioUsage, stdout);
    else
        return false;
    return true;
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "kr-t27-radio: %s\n", message.c_str());
    return SetupExit;
}

}

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (AnsweredInformationRequest(arguments))
        return 0;
    const ParsedRadioOptions parsed = ParseRadioOptions(arguments);
    if (!parsed.Options) {
        std::fprintf(stderr, "kr-t27-radio: %s\n%s", parsed.Error.c_str(), RadioUsage);
        return UsageExit;
    }
    Lines lines;
    if (!PrepareLines(*parsed.Options, lines))
        return UsageExit;

    if (const std::string error = InstallSignalHandlers(); !error.empty())
        return Fail(error);
    if (const std::string error = OpenLines(lines); !error.empty())
        return Fail(error);

    for (const auto& line : lines)
        std::printf("%s\n", line->options.LinkPaths.front().c_str());
    std::fflush(stdout);

    PlayLines(lines, stopPipe[0]);
    return 0;
}
