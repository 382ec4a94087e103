#pragma once

#include <memory>

#include "link/engine/TransferContext.h"

// The objects one transfer works on, held together for callers that have no window owning them
// (the command line, tests). The record starts at its defaults.
struct TransferTargets {
    RadioSettings Settings{};
    BandLimits Band;
    LinkSettings Link;
    MemoryImage Image{};
    TransferBuffer Buffer{};

    TransferTargets() { Settings.ResetToDefaults(); }
    TransferContext Context(TransferKind kind, bool isRead);

    // Objects of their own for the read that verifies a write: the written record stays as it
    // was sent, and the read reaches the radio the same way.
    static std::unique_ptr<TransferTargets> ForReadBack(const TransferContext& written);
};
