#include "cli/TraceFile.h"

#include <cstdio>

#include "files/AtomicFile.h"
#include "lang/FileMessage.h"

TraceFile::TraceFile(const CliArgs& cli)
    : path_(cli.Value("--trace")), secrets_(cli.Has("--trace-secrets") ? TraceSecrets::Shown : TraceSecrets::Masked)
{
    if (!path_ && secrets_ == TraceSecrets::Shown)
        throw UsageError("--trace-secrets goes with --trace FILE");
}

TraceFile::~TraceFile()
{
    if (!path_)
        return;
    const std::string text = trace_.Text(secrets_);
    const FileResult saved = WriteFileAtomically(*path_, reinterpret_cast<const uint8_t*>(text.data()), text.size(),
                                                 NewFileAccess::OwnerOnly);
    if (!saved.ok)
        std::fprintf(stderr, "kr-t27-cli: the trace was not kept: %s\n", EnglishMessage(FileMessage(saved)).c_str());
}
