#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "radio/RadioMemory.h"
#include "radio/RadioOptions.h"

// A radio as it comes on the line: its memory and the file that keeps it (none when empty).
struct RadioOnLine {
    RadioMemory Memory;
    std::string MemoryPath;
};

// The radios a dealer puts on the cable one after another. A radio's turn ends with the end
// byte of its last session; the line then stays silent while the radios are swapped, and after
// the last radio for good. A single radio is no sequence: its turn never ends.
class RadioSequence {
public:
    using Clock = std::chrono::steady_clock;

    RadioSequence(std::vector<NextRadio> nextRadios, const RadioMemory& firstAtStart, int sessionsPerRadio,
                  int swapSilenceMs);

    // Counts a session that reached its end byte.
    void SessionEnded(Clock::time_point now);
    // No radio answers: a swap is under way or no radio is left.
    bool Silent() const { return phase != Phase::Answering; }
    // How long the line may be left unwatched: `idleMs`, or less when a swap's silence ends sooner.
    int WaitMs(Clock::time_point now, int idleMs) const;
    // The next radio once its swap's silence is over, loaded from its memory file when it has one.
    std::optional<RadioOnLine> TakeNextRadio(Clock::time_point now);

private:
    enum class Phase { Answering, Swapping, NoMoreRadios };

    RadioOnLine NextRadioOnLine(const NextRadio& radio) const;

    std::vector<NextRadio> nextRadios;
    RadioMemory firstAtStart;
    int sessionsPerRadio;
    std::chrono::milliseconds swapSilence;
    size_t radiosDone = 0;
    int sessionsEnded = 0;
    Phase phase = Phase::Answering;
    Clock::time_point silenceEnd;
};

// Whether every next radio's memory file that already exists can be loaded; names the first that
// cannot in `unusable`.
bool NextRadioMemoriesUsable(const std::vector<NextRadio>& nextRadios, std::string& unusable);
