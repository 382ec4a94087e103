#include "link/engine/WriteVerify.h"

VerifyResult CompareWritten(const MemoryImage& written, const MemoryImage& readBack)
{
    VerifyResult result;
    for (size_t offset = VerifiedSpan; offset-- > 0;) {
        if (written[offset] != readBack[offset]) {
            ++result.differing;
            result.firstAddress = uint32_t(MemoryImageBaseAddress + offset);
        }
    }
    return result;
}
