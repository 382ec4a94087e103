#pragma once

#include <string>
#include <vector>

#include "RecordHandle.h"
#include "calibration/AdjustmentData.h"
#include "calibration/AdjustmentFields.h"
#include "lang/AppLang.h"
#include "link/engine/TransferContext.h"
#include "model/BandLimits.h"

// The calibration record the page's adjustment dialog edits, with the desktop's rules for its
// boxes and its file, and its way into and out of the transfer buffer. It lives as long as the
// page, as the desktop's lives as long as the program: closing the dialog keeps it.
class CalibrationHandle {
public:
    // The box's value as it shows it; empty for a box the dialog does not have.
    std::string Text(const std::string& edit) const;
    // Leaving a box: what became of its text. A box the dialog does not have stores nothing.
    CommitOutcome Commit(const std::string& edit, const std::string& text, const BandLimits& band);

    // Opens the bytes of a calibration file named `name` as the desktop does: any file is taken as
    // far as it goes. What the user is told when it did not fill the record exactly; nothing else.
    std::vector<std::string> Open(const Bytes& file, const std::string& name, TTeskFuncs::TLangType language);
    Bytes Save() const;
    // New: every value 0, the reserved bytes too.
    void Clear() { record_ = AdjustmentData{}; }

    // The transfer buffer a calibration write sends: `buffer` (what the last read left, or zeros)
    // with the record packed into it. A buffer of another size than the transfer's counts as zeros.
    Bytes Pack(const Bytes& buffer) const;
    // Takes the block a calibration read brought in `buffer`; refuses (false) another size.
    bool Unpack(const Bytes& buffer);

private:
    AdjustmentData record_{};
};

// A transfer buffer from the page's bytes: zeros unless they are a whole one.
TransferBuffer BufferFrom(const Bytes& bytes);
