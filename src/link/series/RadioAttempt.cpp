#include "link/series/RadioAttempt.h"

#include "files/Sha256.h"
#include "model/DtmfDigits.h"
#include "model/RecordComparison.h"
#include "text/PrintableText.h"

namespace {

constexpr uint8_t ErasedByte = 0xFF;

// What a check found, as the log says it.
std::string DifferenceWords(size_t differences)
{
    if (differences == 0)
        return "same";
    return std::to_string(differences) + (differences == 1 ? " difference" : " differences");
}

}

std::string RadioFieldText(const uint8_t* bytes, size_t size)
{
    std::string text;
    for (size_t i = 0; i < size && bytes[i] != 0 && bytes[i] != ErasedByte; ++i)
        text += char(bytes[i]);
    return PrintableText(text);
}

LinkOutcome RadioAttempt::EndingOutcome() const
{
    return Outcome == LinkOutcome::Success && Verified ? VerifyOutcome : Outcome;
}

bool RadioAttempt::Succeeded() const
{
    return Refusal == RadioRefusal::None && EndingOutcome() == LinkOutcome::Success && (!Verified || Comparison.Matches());
}

std::string RadioAttempt::OutcomeWords() const
{
    if (Refusal == RadioRefusal::NoIdentityRow)
        return "no identity row";
    if (Outcome == LinkOutcome::Success && Differences)
        return DifferenceWords(*Differences);
    switch (Outcome) {
    case LinkOutcome::Success:
        return "written";
    case LinkOutcome::PasswordError:
        return "password error";
    case LinkOutcome::Closed:
        return "band refused";
    default:
        return PartlyWritten ? "communication failure, partly written" : "communication failure";
    }
}

std::string RadioAttempt::VerifyWords() const
{
    if (!Verified || Outcome != LinkOutcome::Success)
        return "";
    if (VerifyOutcome != LinkOutcome::Success)
        return "read failed";
    if (Comparison.Matches())
        return "match";
    return "mismatch from " + FirstDifferenceText(Comparison) + ", " + std::to_string(Comparison.differing) +
           " bytes";
}

// The hash covers what went to the radio, its IDs and the write's time stamp included: the rest of
// the image is the radio's own.
void RadioAttempt::TakeWrite(LinkOutcome outcome, bool partlyWritten, const RadioSettings& written,
                             const MemoryImage& sent)
{
    Outcome = outcome;
    PartlyWritten = partlyWritten;
    Serial = RadioFieldText(written.DeviceSn, DeviceSnSize);
    RadioBand = {written.WriteRadioInfo.BandMin, written.WriteRadioInfo.BandMax};
    RecordSha256 = outcome == LinkOutcome::Success ? Sha256Hex(sent.data(), VerifiedSpan) : "";
}

void RadioAttempt::TakeVerify(LinkOutcome outcome, const MemoryImage& sent, const MemoryImage& readBack,
                              const RadioSettings& read)
{
    VerifyOutcome = outcome;
    if (outcome != LinkOutcome::Success)
        return;
    Comparison = CompareWritten(sent, readBack);
    Firmware = RadioFieldText(read.SoftwareVersion, SoftwareVersionFieldSize);
}

ProgrammingLogRow AttemptLogRow(const RadioAttempt& attempt, const std::string& file, const std::string& time)
{
    ProgrammingLogRow row;
    row.Time = time;
    row.Serial = attempt.Serial;
    row.Firmware = attempt.Firmware;
    row.BandMin = attempt.RadioBand.BandMin;
    row.BandMax = attempt.RadioBand.BandMax;
    row.File = file.empty() ? UnsavedRecordFile : file;
    row.RecordSha256 = attempt.RecordSha256;
    if (attempt.Taken) {
        row.PttId = attempt.PttId;
        row.Ani = attempt.Ani;
    }
    row.Outcome = attempt.OutcomeWords();
    row.Verify = attempt.VerifyWords();
    row.Port = attempt.Port;
    row.IdsRow = attempt.IdsRow;
    return row;
}

void RadioAttempt::TakeCheck(LinkOutcome outcome, const RadioSettings& master, const RadioSettings& read)
{
    Outcome = outcome;
    Serial = RadioFieldText(read.DeviceSn, DeviceSnSize);
    RadioBand = {read.ReadRadioInfo.BandMin, read.ReadRadioInfo.BandMax};
    if (outcome != LinkOutcome::Success)
        return;
    Firmware = RadioFieldText(read.SoftwareVersion, SoftwareVersionFieldSize);
    PttId = DtmfText(read.PttId, DtmfCodeCapacity, read.PttIdLength);
    Ani = DtmfText(read.Ani, DtmfCodeCapacity, read.AniLength);
    RadioSettings held = read;
    TakeRadioPassword(held);
    Differences = CompareRecords(master, held).size();
}
