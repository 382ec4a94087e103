#include <cstdio>
#include <string>

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"

namespace {

std::vector<CliCommand> AllCommands()
{
    std::vector<CliCommand> all;
    for (const auto& group : {FileCommands(), ExchangeCommands(), TransferCommands(), CompareCommands(), FactoryCommands(),
                              SupportCommands()})
        all.insert(all.end(), group.begin(), group.end());
    return all;
}

void PrintUsage(std::FILE* to, const std::vector<CliCommand>& commands)
{
    std::fprintf(to, "usage: kr-t27-cli COMMAND [ARGS]\n       kr-t27-cli --help | --version\n");
    for (const auto& c : commands)
        std::fprintf(to, "  kr-t27-cli %s\n", c.usage);
}

int Usage(const std::vector<CliCommand>& commands)
{
    PrintUsage(stderr, commands);
    return ExitUsageOrFile;
}

}

int main(int argc, char** argv)
{
    const auto commands = AllCommands();
    if (argc < 2)
        return Usage(commands);
    const std::string name = argv[1];
    if (name == "--help") {
        PrintUsage(stdout, commands);
        return ExitSuccess;
    }
    if (name == "--version") {
        std::printf("kr-t27-cli %s\n", KR_T27_VERSION);
        return ExitSuccess;
    }
    const CommandArgs args(argv + 2, argv + argc);
    for (const auto& c : commands) {
        if (name != c.name)
            continue;
        try {
            return c.run(args);
        } catch (const UsageError& e) {
            std::fprintf(stderr, "kr-t27-cli %s: %s\nusage: kr-t27-cli %s\n", c.name, e.what(), c.usage);
            return ExitUsageOrFile;
        }
    }
    std::fprintf(stderr, "kr-t27-cli: unknown command '%s'\n", name.c_str());
    return Usage(commands);
}
