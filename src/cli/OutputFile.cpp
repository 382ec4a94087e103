#include "cli/OutputFile.h"

#include "files/AtomicFile.h"
#include "lang/FileMessage.h"

std::optional<std::string> WhyNotWritable(const std::string& path)
{
    const FileResult checked = CheckSaveTarget(path);
    if (checked.ok)
        return std::nullopt;
    return EnglishMessage(FileMessage(checked));
}
