#include "cli/CliOutput.h"

#include <cstdio>

#include "cli/ExitCodes.h"

int Fail(const std::string& message)
{
    std::fprintf(stderr, "kr-t27-cli: %s\n", message.c_str());
    return ExitUsageOrFile;
}

int Finished(const FileResult& result) { return result.ok ? ExitSuccess : Fail(result.message); }
