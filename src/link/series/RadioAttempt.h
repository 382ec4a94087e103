#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "files/BackupStore.h"
#include "files/FileResult.h"
#include "files/ProgrammingLog.h"
#include "link/engine/LinkActions.h"
#include "link/engine/WriteVerify.h"
#include "model/BandLimits.h"
#include "model/MemoryImage.h"
#include "model/RadioSettings.h"

// Why a radio that answered was let go unwritten.
enum class RadioRefusal { None, JobFull, NoIdentityRow };

// One radio of a series, as the log keeps it, and its backup.
struct RadioAttempt {
    uint64_t Number = 0;  // from 1
    std::string Serial;
    std::string Firmware;  // known only from a verifying read
    BandLimits RadioBand;  // as the radio reported it
    std::string PttId;
    std::string Ani;
    std::string RecordSha256;  // of the bytes the write sent
    LinkOutcome Outcome = LinkOutcome::Running;  // of the write
    bool PartlyWritten = false;
    bool Verified = false;                        // a verifying read was asked for
    LinkOutcome VerifyOutcome = LinkOutcome::Running;
    VerifyResult Comparison;
    FileResult Logged;  // ok and empty when there is no log
    BackupResult Backup;  // of what the write sent; ok and without a path when none was made
    std::string Port;     // as the user named it
    RadioRefusal Refusal = RadioRefusal::None;
    // The radio answered and got its number and codes; until then PttId and Ani are only what the
    // next radio would get, which no log row may claim for this one.
    bool Taken = false;
    std::string IdsRow;  // the line of the identity table whose codes the radio got; empty: none
    // When checking only: how many fields of the radio differ from the record, once it was read.
    std::optional<size_t> Differences;

    bool Succeeded() const;
    // The outcome of the transfer that ended the attempt: the write's, or once the radio was
    // written the verifying read's. A failed attempt whose ending is Success read back something
    // else than was written.
    LinkOutcome EndingOutcome() const;
    // The log's words for the outcome and the verify column.
    std::string OutcomeWords() const;
    std::string VerifyWords() const;

    // What the write left: its outcome, the radio's serial number and band from the handshake in
    // `written`, and after a success the hash of the bytes `sent`.
    void TakeWrite(LinkOutcome outcome, bool partlyWritten, const RadioSettings& written, const MemoryImage& sent);
    // What the verifying read found, and the firmware the radio holds in `read`.
    void TakeVerify(LinkOutcome outcome, const MemoryImage& sent, const MemoryImage& readBack,
                    const RadioSettings& read);
    // What a checking read found: the radio's serial number, band, firmware and codes in `read`,
    // and how many of its fields differ from `master`.
    void TakeCheck(LinkOutcome outcome, const RadioSettings& master, const RadioSettings& read);
};

// A text field of the radio as the log and the messages show it: characters up to the first zero
// byte, or the first erased one, which no log line should carry, with control characters escaped.
std::string RadioFieldText(const uint8_t* bytes, size_t size);

// The log's row for the attempt at `time` (see LocalIsoTime); `file` holds the record as it was
// written, empty when no file does.
ProgrammingLogRow AttemptLogRow(const RadioAttempt& attempt, const std::string& file, const std::string& time);
