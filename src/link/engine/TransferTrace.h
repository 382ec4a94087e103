#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What went over the wire in one transfer, for a dealer to read or send in when a radio will
// not take its setup: one line per chunk sent ("+1.234 > 57 40 00 10 ...") or received
// ("+1.251 < 06"), and "#" lines for the port, time-outs and the outcome. Times are the
// milliseconds since the transfer began, as the caller measured them.
class TransferTrace {
public:
    void Sent(int64_t elapsedMs, const uint8_t* bytes, size_t count);
    void Received(int64_t elapsedMs, const uint8_t* bytes, size_t count);
    void Note(int64_t elapsedMs, const std::string& text);
    void Clear() { lines_.clear(); }
    // Another transfer's lines after these, as a verifying read follows its write.
    void Append(const TransferTrace& other) { lines_.insert(lines_.end(), other.lines_.begin(), other.lines_.end()); }

    const std::vector<std::string>& Lines() const { return lines_; }
    // Every line, each ended by a newline.
    std::string Text() const;

private:
    void Add(int64_t elapsedMs, char mark, const std::string& rest);

    std::vector<std::string> lines_;
};
