#pragma once

#include <string>
#include <vector>

#include "lang/AppLang.h"
#include "lang/Messages.h"
#include "link/engine/LinkActions.h"
#include "link/engine/WriteVerify.h"

// How the end of a transfer is told to the user, UTF-8 in the language asked for: the same after a
// single transfer and after each radio of a series, in every front end.

// What the notice needs to know of a transfer beside its outcome.
struct TransferEnding {
    LinkOutcome outcome = LinkOutcome::Running;
    // A write that ended without success after its first block went out.
    bool partlyWritten = false;
    // The read back after a write: the radio holds that write, whatever became of the read.
    bool afterWrite = false;
    // Why the named port did not open, already worded (UTF-8); empty when it opened.
    std::string portProblem;
    // The ports tried, as the user knows them ("COM3 (/dev/ttyUSB0)"); empty where the front end
    // does not choose the port.
    std::vector<std::string> portsTried;
    // The automatic search found no port at all to try.
    bool noPortFound = false;
};

// The outcome's own text, then after a failure the lines that say why (the port problem, the
// partly-written warning, the ports tried) and last one line on what to do next. Empty for the
// quiet endings (the band question's Cancel, a stop).
std::vector<std::string> OutcomeNoticeLines(const TransferEnding& ending, TTeskFuncs::TLangType language);

// The ending of a write whose radio was read back: success, said to be verified, or where the
// radio differs from what was written.
std::vector<std::string> VerifiedNoticeLines(const VerifyResult& result, TTeskFuncs::TLangType language);

// The radio read back after a write holds something else than was written.
Message VerifyMismatchMessage(const VerifyResult& result);
