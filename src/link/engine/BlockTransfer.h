#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "link/engine/LinkActions.h"
#include "link/engine/ProgressMeter.h"
#include "link/engine/TransferContext.h"

// Where the data phase of a transfer moves its bytes: `data[position]` travels to or from radio
// address `baseAddress + position`, one piece at a time while the position is below `end`.
struct BlockPlan {
    uint8_t* data = nullptr;
    uint16_t baseAddress = 0;
    size_t end = 0;
    uint8_t pieceSize = 0;
    ProgressMeter::Rule progressRule = ProgressMeter::Rule::PerBytes;
};

// The plan for the transfer's kind and direction, or nothing when the transfer has no data phase.
std::optional<BlockPlan> PlanFor(const TransferContext& context);

// The data phase: each call sends at most one frame. A write sends the piece at the position and
// then waits for the acknowledgement; a read sends a request, and the next call takes the data of
// the answer before it requests the next piece.
class BlockTransfer {
public:
    struct Step {
        bool finished = false;
        Frame frame;  // empty when finished
    };

    BlockTransfer(const BlockPlan& plan, bool isRead);

    // The first call of the phase; later calls after each acknowledgement (a write) or with the
    // data bytes of each answer (a read).
    Step Next(const uint8_t* answerData = nullptr);

    // Bytes of the answer that lets the phase go on: one acknowledgement, or head and data.
    size_t ExpectedAnswerLength() const;
    int Progress() const { return progress_.Value(); }

private:
    Step SendWrite();
    Step SendReadRequest();
    void Moved();

    BlockPlan plan_;
    bool isRead_;
    bool requestPending_ = false;
    size_t position_ = 0;
    ProgressMeter progress_;
};
