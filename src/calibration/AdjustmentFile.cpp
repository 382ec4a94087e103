#include "calibration/AdjustmentFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/AtomicFile.h"

namespace {

// One byte past the record tells a longer file from a whole one.
constexpr size_t ProbeSize = AdjustmentDataSize + 1;

// Only a longer file is measured: the read already knows every other length.
size_t FileSize(const std::string& path, size_t got)
{
    if (got < ProbeSize)
        return got;
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? got : size_t(size);
}

}

AdjustmentFileFit TakeAdjustmentBytes(const uint8_t* bytes, size_t size, AdjustmentData& record)
{
    const AdjustmentFileFit fit{size, std::min(size, AdjustmentDataSize)};
    std::copy(bytes, bytes + fit.taken, record.Bytes());
    return fit;
}

FileResult OpenAdjustmentFile(const std::string& path, AdjustmentData& record, AdjustmentFileFit* fit)
{
    uint8_t bytes[ProbeSize];
    size_t got = 0;
    const FileResult result = ReadFilePrefix(path, bytes, sizeof bytes, got);
    if (!result.ok)
        return result;
    AdjustmentFileFit met = TakeAdjustmentBytes(bytes, got, record);
    met.fileSize = FileSize(path, got);
    if (fit)
        *fit = met;
    return result;
}

// Read aside first, so that a refused file leaves the record as it was.
FileResult OpenWholeAdjustmentFile(const std::string& path, AdjustmentData& record)
{
    AdjustmentData read = record;
    AdjustmentFileFit fit;
    const FileResult result = OpenAdjustmentFile(path, read, &fit);
    if (!result.ok)
        return result;
    if (!fit.Whole())
        return AdjustmentFileWrongSize(path, fit);
    record = read;
    return result;
}

FileResult AdjustmentFileWrongSize(const std::string& path, const AdjustmentFileFit& fit)
{
    return FileResult::WrongSize(FileProblem::AdjustmentFileWrongSize, path, fit.fileSize, AdjustmentDataSize);
}

FileResult SaveAdjustmentFile(const std::string& path, const AdjustmentData& record)
{
    return WriteFileAtomically(path, record.Bytes(), AdjustmentDataSize);
}
