#pragma once

#include <optional>
#include <string>

#include "cli/CliArgs.h"
#include "link/engine/TransferTrace.h"

// --trace FILE: collects the trace of every transfer the command runs and writes it when the
// command ends, however it ends, since a failed transfer is when the trace is wanted most. A
// trace that cannot be written is reported on stderr and leaves the exit status alone. The file
// is the user's alone and shows the radio's password as "**", unless --trace-secrets asks for it.
class TraceFile {
public:
    explicit TraceFile(const CliArgs& cli);
    ~TraceFile();
    TraceFile(const TraceFile&) = delete;
    TraceFile& operator=(const TraceFile&) = delete;

    // Where RunTransfer appends; none without --trace.
    TransferTrace* Trace() { return path_ ? &trace_ : nullptr; }

private:
    std::optional<std::string> path_;
    TraceSecrets secrets_;
    TransferTrace trace_;
};
