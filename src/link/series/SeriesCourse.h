#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "link/engine/TransferContext.h"
#include "link/series/RadioAttempt.h"
#include "link/series/SeriesPlan.h"

// What a series of radios decides between its transfers, whichever driver carries them out: the
// record each radio is written from, the radio the next write waits past, and whether the series
// goes on after an attempt. The first radio is written as any write is; after each success the
// next write waits for another radio and lets the one just written go until it is swapped.
class SeriesCourse {
public:
    explicit SeriesCourse(SeriesPlan plan);

    const SeriesPlan& Plan() const { return plan_; }
    // Radios written so far.
    uint64_t Written() const { return written_; }

    // The next radio's attempt as it starts: its number and the codes it gets.
    RadioAttempt NextAttempt() const;
    // The copy of the record the next radio is written from: its own codes, and none of what an
    // earlier handshake left, since what the log says of a radio must come from that radio.
    RadioSettings NextRecord() const;
    // How the next write finds its radio: after a radio was written, by waiting past it.
    RadioWait NextWait() const;
    // The serial number of the radio written last, as the log shows it; empty before the first.
    std::string LastSerial() const;

    // After the attempt was logged: a radio that succeeded is counted and waited past from now on.
    // Returns how the series ends, or std::nullopt when it waits for the next radio. `written` is
    // the record the attempt's write left, with the radio's serial number.
    std::optional<SeriesEnd> AttemptEnded(const RadioAttempt& attempt, const RadioSettings& written,
                                          bool stopRequested);

private:
    SeriesPlan plan_;
    uint64_t written_ = 0;
    std::optional<SerialNumberBytes> lastSerial_;
};
