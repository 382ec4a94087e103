// Opening any file as an adjustment file: its first bytes, up to the record's 68, replace the
// record's and the rest keep their values; an opened record saves and opens again unchanged.
//
// Only whether a load or save succeeded is used, not how it reports a failure.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "FuzzCheck.h"
#include "ScratchFile.h"
#include "calibration/AdjustmentFile.h"

namespace {

bool Opened(const std::string& path, AdjustmentData& record) { return OpenAdjustmentFile(path, record).ok; }
bool Saved(const std::string& path, const AdjustmentData& record) { return SaveAdjustmentFile(path, record).ok; }

AdjustmentData Marked(uint8_t mark)
{
    AdjustmentData record;
    std::memset(record.Bytes(), mark, AdjustmentDataSize);
    return record;
}

bool Same(const AdjustmentData& a, const AdjustmentData& b)
{
    return std::memcmp(a.Bytes(), b.Bytes(), AdjustmentDataSize) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string input = ScratchPath("input.Kqda");
    static const std::string saved = ScratchPath("saved.Kqda");
    WriteScratchFile(input, data, size);

    const AdjustmentData before = Marked(0xA5);
    AdjustmentData record = before;
    FUZZ_REQUIRE(Opened(input, record));
    const size_t replaced = std::min(size, AdjustmentDataSize);
    FUZZ_REQUIRE(std::memcmp(record.Bytes(), data, replaced) == 0);
    FUZZ_REQUIRE(std::memcmp(record.Bytes() + replaced, before.Bytes() + replaced, AdjustmentDataSize - replaced) == 0);

    FUZZ_REQUIRE(Saved(saved, record));
    AdjustmentData reopened = Marked(0x5A);
    FUZZ_REQUIRE(Opened(saved, reopened));
    FUZZ_REQUIRE(Same(reopened, record));
    return 0;
}
