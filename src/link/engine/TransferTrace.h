#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "link/engine/Frames.h"

// Whether the text of a trace shows the radio's password. A trace is written to be sent in, so
// the password is masked unless the user asks otherwise.
enum class TraceSecrets { Masked, Shown };

// What went over the wire in one transfer, for a dealer to read or send in when a radio will
// not take its setup: one line per chunk sent ("+1.234 > 57 40 00 10 ...") or received
// ("+1.251 < 06"), and "#" lines for the port, time-outs and the outcome. Times are the
// milliseconds since the transfer began, as the caller measured them. The bytes that carry a
// password, as the caller marks them, are shown as "**" unless the text is asked for with them.
class TransferTrace {
public:
    void Sent(int64_t elapsedMs, const uint8_t* bytes, size_t count, ByteRange password = {});
    void Received(int64_t elapsedMs, const uint8_t* bytes, size_t count, ByteRange password = {});
    void Note(int64_t elapsedMs, const std::string& text);
    void Clear() { entries_.clear(); }
    // Another transfer's lines after these, as a verifying read follows its write.
    void Append(const TransferTrace& other)
    {
        entries_.insert(entries_.end(), other.entries_.begin(), other.entries_.end());
    }

    bool Empty() const { return entries_.empty(); }
    std::vector<std::string> Lines(TraceSecrets secrets = TraceSecrets::Masked) const;
    // Every line, each ended by a newline.
    std::string Text(TraceSecrets secrets = TraceSecrets::Masked) const;

private:
    struct Entry {
        int64_t elapsedMs;
        char mark;
        std::string note;            // of a "#" line
        std::vector<uint8_t> bytes;  // of any other
        ByteRange password;
    };

    void AddBytes(int64_t elapsedMs, char mark, const uint8_t* bytes, size_t count, ByteRange password);
    static std::string LineOf(const Entry& entry, TraceSecrets secrets);

    std::vector<Entry> entries_;
};
