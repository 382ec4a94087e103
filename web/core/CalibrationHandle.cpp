#include "CalibrationHandle.h"

#include <algorithm>

#include "calibration/AdjustmentBlock.h"
#include "calibration/AdjustmentFile.h"
#include "calibration/PartlyTakenNotice.h"
#include "lang/Utf8Text.h"

TransferBuffer BufferFrom(const Bytes& bytes)
{
    TransferBuffer buffer{};
    if (bytes.size() == buffer.size())
        std::copy(bytes.begin(), bytes.end(), buffer.begin());
    return buffer;
}

std::string CalibrationHandle::Text(const std::string& edit) const
{
    const AdjustmentField* field = FindAdjustmentField(edit);
    return field ? FieldText(*field, record_) : std::string();
}

CommitOutcome CalibrationHandle::Commit(const std::string& edit, const std::string& text, const BandLimits& band)
{
    const AdjustmentField* field = FindAdjustmentField(edit);
    return field ? CommitFieldText(*field, text, band, record_) : CommitOutcome::OutOfRange;
}

std::vector<std::string> CalibrationHandle::Open(const Bytes& file, const std::string& name,
                                                 TTeskFuncs::TLangType language)
{
    const AdjustmentFileFit fit = TakeAdjustmentBytes(file.data(), file.size(), record_);
    std::vector<std::string> lines;
    if (!fit.Whole())
        for (const Message& line : PartlyTakenNotice(name, fit))
            lines.push_back(MessageUtf8(line, language));
    return lines;
}

Bytes CalibrationHandle::Save() const { return Bytes(record_.Bytes(), record_.Bytes() + AdjustmentDataSize); }

Bytes CalibrationHandle::Pack(const Bytes& buffer) const
{
    TransferBuffer packed = BufferFrom(buffer);
    GetAdjustmentData(record_, packed);
    return Bytes(packed.begin(), packed.end());
}

bool CalibrationHandle::Unpack(const Bytes& buffer)
{
    if (buffer.size() != TransferBufferSize)
        return false;
    SetAdjustmentData(BufferFrom(buffer), record_);
    return true;
}
