#include "cli/TraceFile.h"

#include <cstdio>

#include "files/AtomicFile.h"
#include "lang/FileMessage.h"

TraceFile::~TraceFile()
{
    if (!path_)
        return;
    const std::string text = trace_.Text();
    const FileResult saved =
        WriteFileAtomically(*path_, reinterpret_cast<const uint8_t*>(text.data()), text.size());
    if (!saved.ok)
        std::fprintf(stderr, "kr-t27-cli: the trace was not kept: %s\n", EnglishMessage(FileMessage(saved)).c_str());
}
