#include "cli/TraceFile.h"

#include <cstdio>

#include "bundle/LastTransferTrace.h"
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
    if (!trace_.Empty())
        KeepAsLast();
    if (path_)
        WriteToFile();
}

void TraceFile::KeepAsLast() const
{
    const FileResult kept = KeepLastTransferTrace(trace_);
    if (!kept.ok)
        std::fprintf(stderr, "kr-t27-cli: the last transfer's trace was not kept: %s\n",
                     EnglishMessage(FileMessage(kept)).c_str());
}

void TraceFile::WriteToFile() const
{
    const std::string text = trace_.Text(secrets_);
    const FileResult saved = WriteFileAtomically(*path_, reinterpret_cast<const uint8_t*>(text.data()), text.size(),
                                                 NewFileAccess::OwnerOnly);
    if (!saved.ok)
        std::fprintf(stderr, "kr-t27-cli: the trace was not kept: %s\n", EnglishMessage(FileMessage(saved)).c_str());
}
