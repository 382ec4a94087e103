#pragma once

#include <optional>
#include <string>

#include "cli/CliArgs.h"
#include "link/engine/TransferTrace.h"

// The trace of every transfer the command runs, kept when the command ends, however it ends, since
// a failed transfer is when the trace is wanted most: as the last transfer's trace in the data
// folder, for a support bundle (password masked), and with --trace FILE in that file too, the
// user's alone, showing the radio's password as "**" unless --trace-secrets asks for it. A trace
// that cannot be kept is reported on stderr and leaves the exit status alone; a command that ran
// no transfer leaves the last one's trace as it was.
class TraceFile {
public:
    explicit TraceFile(const CliArgs& cli);
    ~TraceFile();
    TraceFile(const TraceFile&) = delete;
    TraceFile& operator=(const TraceFile&) = delete;

    // Where RunTransfer appends.
    TransferTrace* Trace() { return &trace_; }

private:
    void KeepAsLast() const;
    void WriteToFile() const;

    std::optional<std::string> path_;
    TraceSecrets secrets_;
    TransferTrace trace_;
};
