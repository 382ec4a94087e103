#include "cli/CliOutput.h"

#include <cstdio>

#include "cli/ExitCodes.h"
#include "lang/FileMessage.h"

int Fail(const std::string& message)
{
    std::fprintf(stderr, "kr-t27-cli: %s\n", message.c_str());
    return ExitUsageOrFile;
}

int Fail(const FileResult& result) { return Fail(EnglishMessage(FileMessage(result))); }

int Finished(const FileResult& result) { return result.ok ? ExitSuccess : Fail(result); }

void ShowBackup(const BackupResult& kept, const std::string& port)
{
    if (!kept.result.ok)
        std::fprintf(stderr, "kr-t27-cli: %s%s\n", port.c_str(),
                     EnglishMessage({MessageId::BackupFailed, {EnglishMessage(FileMessage(kept.result))}}).c_str());
    else if (!kept.recordPath.empty())
        std::fprintf(stderr, "kr-t27-cli: %sbackup %s\n", port.c_str(), kept.recordPath.c_str());
}
