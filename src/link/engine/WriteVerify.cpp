#include "link/engine/WriteVerify.h"

#include <cstdio>

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

std::string FirstDifferenceText(const VerifyResult& result)
{
    char text[sizeof "0x" + 2 * sizeof result.firstAddress];
    std::snprintf(text, sizeof text, "0x%04X", unsigned(result.firstAddress));
    return text;
}
