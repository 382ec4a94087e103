#include <csignal>
#include <cstdio>

#include "radio/MemoryFile.h"
#include "radio/PseudoTerminal.h"
#include "radio/RadioOptions.h"
#include "radio/RadioSequence.h"
#include "radio/SampleMemory.h"
#include "radio/SymbolicLink.h"
#include "radio/VirtualRadio.h"

namespace {

constexpr int UsageExit = 2;
constexpr int SetupExit = 1;

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

void InstallSignalHandlers()
{
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
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
    const RadioOptions& options = *parsed.Options;
    RadioMemory memory;
    if (!PrepareMemory(options, memory))
        return UsageExit;

    InstallSignalHandlers();
    PseudoTerminal terminal;
    if (const std::string error = terminal.Open(); !error.empty())
        return Fail(error);
    SymbolicLink link;
    if (const std::string error = link.Create(terminal.SlavePath(), options.LinkPath); !error.empty())
        return Fail(error);

    std::printf("%s\n", options.LinkPath.c_str());
    std::fflush(stdout);

    RadioSequence sequence(options.NextRadios, memory, options.SessionsPerRadio, options.SwapSilenceMs);
    VirtualRadio radio(terminal.MasterFd(), memory, options.Faults, options.Pacing, options.MemoryPath,
                       std::move(sequence));
    radio.Run(stopRequested);
    radio.SaveMemory();
    return 0;
}
