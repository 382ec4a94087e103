#include <gtest/gtest.h>

#include "link/engine/WriteVerify.h"

namespace {

TEST(WriteVerify, CountsDifferencesInTheWrittenSpanOnlyAndNamesTheFirstAddress)
{
    MemoryImage written{};
    for (size_t i = 0; i < written.size(); ++i)
        written[i] = uint8_t(i * 7);
    const struct {
        std::vector<size_t> spoiled;
        size_t differing;
        uint32_t first;
    } cases[] = {
        {{}, 0, 0},
        {{0x000}, 1, 0x4000},
        {{0x2FF, 0x123}, 2, 0x4123},
        {{0x300, 0x31F, 0x1FFF}, 0, 0},
    };
    for (const auto& c : cases) {
        MemoryImage read = written;
        for (size_t offset : c.spoiled)
            read[offset] ^= 0x01;
        const VerifyResult result = CompareWritten(written, read);
        EXPECT_EQ(result.differing, c.differing) << c.spoiled.size();
        EXPECT_EQ(result.Matches(), c.differing == 0);
        if (c.differing) {
            EXPECT_EQ(result.firstAddress, c.first);
        }
    }
}

}
