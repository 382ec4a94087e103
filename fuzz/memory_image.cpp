// Whatever a radio's memory holds: unpacking it gives a record that packs and unpacks back to
// itself, the packed image packs again to the same bytes, and nothing lands past the written
// range. Frequencies whose BCD nibbles were no decimal digits come back as the eight digits the
// image can store.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "FuzzCheck.h"
#include "model/MemoryImage.h"

namespace {

constexpr uint32_t BcdRangeHz = 1000000000;

DateTimeStamp StampOf(const RadioSettings& s)
{
    return {s.LastWriteYear, s.LastWriteMonth, s.LastWriteDay, s.LastWriteHour, s.LastWriteMinute};
}

// The record `packed` unpacks to: the read-only fields beyond the written range come back empty.
RadioSettings ExpectedAfterRoundTrip(RadioSettings s)
{
    std::memset(s.DeviceSn, 0, sizeof s.DeviceSn);
    std::memset(s.SoftwareVersion, 0, sizeof s.SoftwareVersion);
    for (unsigned i = 1; i <= ChannelCount; ++i) {
        if (!s.IsChannelUsed(i))
            continue;
        s.Channel[i].RxFreq = s.Channel[i].RxFreq % BcdRangeHz;
        s.Channel[i].TxFreq = s.Channel[i].TxFreq % BcdRangeHz;
    }
    return s;
}

bool Same(const RadioSettings& a, const RadioSettings& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MemoryImage read{};
    std::copy(data, data + std::min(size, read.size()), read.begin());

    RadioSettings first{};
    BandLimits firstBand;
    SetDataToSoftware(read, first, firstBand);

    MemoryImage packed;
    GetDataForWrite(first, firstBand, StampOf(first), packed);
    FUZZ_REQUIRE(std::all_of(packed.begin() + ImageWriteEnd, packed.end(), [](uint8_t b) { return b == 0; }));

    RadioSettings second = first;
    BandLimits secondBand;
    SetDataToSoftware(packed, second, secondBand);
    FUZZ_REQUIRE(Same(second, ExpectedAfterRoundTrip(first)));
    FUZZ_REQUIRE(secondBand == firstBand);

    MemoryImage packedAgain;
    GetDataForWrite(second, secondBand, StampOf(second), packedAgain);
    FUZZ_REQUIRE(packedAgain == packed);
    return 0;
}
