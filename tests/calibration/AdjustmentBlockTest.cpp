#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "calibration/AdjustmentBlock.h"

namespace {

AdjustmentData RandomRecord(std::mt19937& rng)
{
    AdjustmentData record;
    for (size_t i = 0; i < AdjustmentDataSize; ++i)
        record.Bytes()[i] = uint8_t(rng());
    return record;
}

TEST(AdjustmentBlock, FrequenciesTravelMostSignificantByteFirst)
{
    AdjustmentData record{};
    record.Point[0].Freq = 438500000;
    TransferBuffer buffer{};
    GetAdjustmentData(record, buffer);
    EXPECT_EQ(buffer[0], 0x1A);
    EXPECT_EQ(buffer[1], 0x22);
    EXPECT_EQ(buffer[2], 0xFA);
    EXPECT_EQ(buffer[3], 0xA0);
}

TEST(AdjustmentBlock, PlacesEveryRecordByteWhereTheRadioKeepsIt)
{
    AdjustmentData record;
    for (size_t i = 0; i < AdjustmentDataSize; ++i)
        record.Bytes()[i] = uint8_t(i + 1);
    // Record byte n holds n + 1, so each block byte names the record byte it came from.
    const uint8_t expected[AdjustmentBlockSize] = {
        4, 3, 2, 1, 5, 6, 7, 8,                // point 0: frequency reversed, then the four bytes
        12, 11, 10, 9, 13, 14, 15, 16,         // point 1
        20, 19, 18, 17, 21, 22, 23, 24,        // point 2
        28, 27, 26, 25, 29, 30, 31, 32,        // point 3
        36, 35, 34, 33, 37, 38, 39, 40,        // point 4
        55, 56, 57, 58,                        // squelch and VOX levels
        59, 60, 61, 62, 63, 64, 65,            // battery thresholds
        41, 42, 43, 48, 49, 50,                // wide then narrow deviation triples
        44, 51, 45, 52, 46, 53, 47, 54,        // DTMF, 1750, CTC, DCS: wide and narrow in pairs
        66,                                    // crystal offset
    };
    TransferBuffer buffer{};
    GetAdjustmentData(record, buffer);
    for (size_t i = 0; i < AdjustmentBlockSize; ++i)
        EXPECT_EQ(buffer[i], expected[i]) << "block offset " << i;
}

TEST(AdjustmentBlock, SendsValuesBeyondTheDialogRangesAsTheyAre)
{
    AdjustmentData record{};
    record.PinPian_W = 200;
    record.CtcPinPian_N = 250;
    TransferBuffer buffer{};
    GetAdjustmentData(record, buffer);
    EXPECT_EQ(buffer[0x33], 200);
    EXPECT_EQ(buffer[0x3E], 250);
}

TEST(AdjustmentBlock, PackingLeavesTheBytesAfterTheBlockAlone)
{
    std::mt19937 rng(7);
    TransferBuffer buffer;
    buffer.fill(0xA5);
    GetAdjustmentData(RandomRecord(rng), buffer);
    for (size_t i = AdjustmentBlockSize; i < TransferBufferSize; ++i)
        EXPECT_EQ(buffer[i], 0xA5) << i;
}

TEST(AdjustmentBlock, UnpackingRestoresEveryRecordAndKeepsTheReservedBytes)
{
    std::mt19937 rng(2024);
    for (int round = 0; round < 500; ++round) {
        const AdjustmentData original = RandomRecord(rng);
        TransferBuffer buffer{};
        GetAdjustmentData(original, buffer);

        AdjustmentData restored = RandomRecord(rng);
        const uint8_t reserved[2] = {restored.Reserved[0], restored.Reserved[1]};
        SetAdjustmentData(buffer, restored);

        ASSERT_EQ(std::memcmp(restored.Bytes(), original.Bytes(), AdjustmentBlockSize), 0) << "round " << round;
        ASSERT_EQ(restored.Reserved[0], reserved[0]);
        ASSERT_EQ(restored.Reserved[1], reserved[1]);
    }
}

// A window's calibration record and transfer buffer start this way.
TEST(AdjustmentBlock, RecordAndBufferStartAtZero)
{
    const AdjustmentData record{};
    const TransferBuffer buffer{};
    for (size_t i = 0; i < AdjustmentDataSize; ++i)
        EXPECT_EQ(record.Bytes()[i], 0) << i;
    for (uint8_t b : buffer)
        EXPECT_EQ(b, 0);
}

}
