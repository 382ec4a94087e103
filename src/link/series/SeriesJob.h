#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "link/series/RadioAttempt.h"
#include "link/series/SeriesPlan.h"

// What the cables of one job share. Radios are numbered as they are taken, whichever cable they
// are on, so radio k of the whole job gets the k-th codes and no two radios the same; and no
// cable takes a radio once the job has as many as it asks for.
class SeriesJob {
public:
    explicit SeriesJob(SeriesPlan plan);

    const SeriesPlan& Plan() const { return plan_; }
    uint64_t Taken() const { return taken_; }
    // Radios written (or, when checking only, read) so far, on every cable.
    uint64_t Done() const { return done_; }

    // Why no further radio may be taken (every radio asked for is, or the codes ran out);
    // std::nullopt while one may.
    std::optional<SeriesEnd> Full() const;

    // The attempt and record radio `number` (from 1) gets: its own codes, and none of what an
    // earlier handshake left, since what the log says of a radio must come from that radio.
    RadioAttempt AttemptFor(uint64_t number) const;
    RadioSettings RecordFor(uint64_t number) const;

    // A radio answered and reported its serial number into `record`: numbers it and gives
    // `record` and `attempt` that number's codes, then the codes and password of its row in the
    // identity table (its serial's row, else its number's). Why it is not taken otherwise; nothing
    // is numbered then.
    RadioRefusal Take(RadioSettings& record, RadioAttempt& attempt);
    // An attempt ended; a successful one is counted.
    void Ended(const RadioAttempt& attempt);

private:
    SeriesPlan plan_;
    uint64_t taken_ = 0;
    uint64_t arrived_ = 0;  // radios that answered while the job had room
    uint64_t done_ = 0;
};

// How a job on several cables ended, from how each ended: a log that failed before a radio that
// failed, before the job done (all its radios, or its codes ran out), before a wait that ran out;
// else stopped.
SeriesEnd GroupEnd(const std::vector<SeriesEnd>& ends);
