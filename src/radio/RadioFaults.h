#pragma once

#include <cstddef>
#include <optional>

// Misbehaviours the virtual radio can be told to show, so the programming software's failure
// handling can be tested. Steps: 0 identification, 1 information, 2 band, 3 blocks. Counts
// restart with every session; the flood happens once per run.
struct RadioFaults {
    std::optional<int> SilentFromStep;
    bool ForeignIdent = false;
    std::optional<int> WrongFirstByteStep;
    std::optional<int> NakBlock;
    bool LongBandAnswer = false;
    bool ReadAnswerR = false;
    bool Flood = false;
    std::optional<int> HangupAfterBlocks;
    // One acknowledgement byte too many after every block answer.
    bool LongBlockAnswers = false;
    // Stray bytes sent unasked each time the radio looks at its line, like a device that
    // chatters on the port whether or not anybody talks to it.
    size_t ChatterBytes = 0;
    // Acknowledges every block but keeps the byte at this radio address with its lowest bit
    // flipped, like a radio whose memory cell is failing: only reading back shows it.
    std::optional<int> WrongByteAddress;
};
