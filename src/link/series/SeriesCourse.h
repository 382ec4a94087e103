#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "link/engine/TransferContext.h"
#include "link/series/RadioAttempt.h"
#include "link/series/SeriesJob.h"
#include "link/series/SeriesPlan.h"

// What a series of radios on one cable decides between its transfers, whichever driver carries
// them out: the record each radio is written from, the radio the next write waits past, and
// whether the cable goes on after an attempt. The first radio is written as any write is; after
// each success the next write waits for another radio and lets the one just written go until it
// is swapped. Cables working at once share their job (SeriesJob), which numbers the radios.
class SeriesCourse {
public:
    // One cable, with a job of its own.
    explicit SeriesCourse(SeriesPlan plan);
    explicit SeriesCourse(std::shared_ptr<SeriesJob> job);

    const SeriesPlan& Plan() const { return job_->Plan(); }
    // Radios written so far, on every cable of the job.
    uint64_t Written() const { return job_->Done(); }

    // The next radio's attempt and record as it starts, numbered as the job's next radio: its own
    // codes, and none of what an earlier handshake left. TakeRadio numbers it for good.
    RadioAttempt NextAttempt() const;
    RadioSettings NextRecord() const;
    // How the next write finds its radio: after a radio was written on this cable, by waiting past
    // it; with AwaitFirstRadio, the first one is waited for too.
    RadioWait NextWait() const;
    // A cable among several waits for its first radio as for any next one, without the time-out,
    // so that a cable nobody plugs a radio into fails no job the other cables complete.
    void AwaitFirstRadio() { awaitsFirst_ = true; }
    // The serial number of the radio written last on this cable, as the log shows it; empty before the first.
    std::string LastSerial() const;

    // Why the job takes no further radio; std::nullopt while it may.
    std::optional<SeriesEnd> JobFull() const { return job_->Full(); }

    // For the transfer's RadioTaking: the radio that answered gets the job's next number and its
    // codes, or is let go (attempt.Refusal says why).
    bool TakeRadio(RadioSettings& record, RadioAttempt& attempt);

    // After the attempt was logged: a radio that succeeded is counted and waited past from now on,
    // as is one refused for having no identity row, which does not end the series. Returns how the
    // cable's series ends, or std::nullopt when it waits for the next radio. `written` is the record
    // the attempt's write left, with the radio's serial number. An attempt whose radio was not
    // taken because the job was full ends the cable's series as the job's end.
    std::optional<SeriesEnd> AttemptEnded(const RadioAttempt& attempt, const RadioSettings& written,
                                          bool stopRequested);

private:
    std::shared_ptr<SeriesJob> job_;
    std::optional<SerialNumberBytes> lastSerial_;
    bool awaitsFirst_ = false;
};
