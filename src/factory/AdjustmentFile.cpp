#include "factory/AdjustmentFile.h"

#include <algorithm>

#include "files/AtomicFile.h"

FileResult OpenAdjustmentFile(const std::string& path, AdjustmentData& record)
{
    uint8_t prefix[AdjustmentDataSize];
    size_t got = 0;
    FileResult result = ReadFilePrefix(path, prefix, sizeof prefix, got);
    if (result.ok)
        std::copy(prefix, prefix + got, record.Bytes());
    return result;
}

FileResult SaveAdjustmentFile(const std::string& path, const AdjustmentData& record)
{
    return WriteFileAtomically(path, record.Bytes(), AdjustmentDataSize);
}
