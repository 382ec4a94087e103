#include "calibration/AdjustmentBlock.h"

#include <iterator>

namespace {

constexpr size_t PointBlockStride = 8;

// Where each single-byte value of the record sits in the block. The block keeps the levels
// first and pairs wide with narrow from the DTMF level on; the record keeps each band together.
struct BytePlace {
    size_t record;
    size_t block;
};

constexpr BytePlace SingleBytePlaces[] = {
    {offsetof(AdjustmentData, SQL_L1), 0x28},
    {offsetof(AdjustmentData, SQL_L9), 0x29},
    {offsetof(AdjustmentData, VOX_L1), 0x2A},
    {offsetof(AdjustmentData, VOX_L9), 0x2B},
    {offsetof(AdjustmentData, Batt_L0_Wait), 0x2C},
    {offsetof(AdjustmentData, Batt_L1_Wait), 0x2D},
    {offsetof(AdjustmentData, Batt_L2_Wait), 0x2E},
    {offsetof(AdjustmentData, Batt_L0_Tx), 0x2F},
    {offsetof(AdjustmentData, Batt_L1_Tx), 0x30},
    {offsetof(AdjustmentData, Batt_L2_Tx), 0x31},
    {offsetof(AdjustmentData, Batt_High), 0x32},
    {offsetof(AdjustmentData, PinPian_W), 0x33},
    {offsetof(AdjustmentData, PinPian_W_Spe_1), 0x34},
    {offsetof(AdjustmentData, PinPian_W_Spe_2), 0x35},
    {offsetof(AdjustmentData, PinPian_N), 0x36},
    {offsetof(AdjustmentData, PinPian_N_Spe_1), 0x37},
    {offsetof(AdjustmentData, PinPian_N_Spe_2), 0x38},
    {offsetof(AdjustmentData, DtmfFuDu_W), 0x39},
    {offsetof(AdjustmentData, DtmfFuDu_N), 0x3A},
    {offsetof(AdjustmentData, FuDu1750_W), 0x3B},
    {offsetof(AdjustmentData, FuDu1750_N), 0x3C},
    {offsetof(AdjustmentData, CtcPinPian_W), 0x3D},
    {offsetof(AdjustmentData, CtcPinPian_N), 0x3E},
    {offsetof(AdjustmentData, DcsPinPian_W), 0x3F},
    {offsetof(AdjustmentData, DcsPinPian_N), 0x40},
    {offsetof(AdjustmentData, Xtal_PP), 0x41},
};

static_assert(AdjustmentPointCount * PointBlockStride + std::size(SingleBytePlaces) == AdjustmentBlockSize);

}

void GetAdjustmentData(const AdjustmentData& record, TransferBuffer& buffer)
{
    for (size_t k = 0; k < AdjustmentPointCount; ++k) {
        const AdjustmentPoint& point = record.Point[k];
        uint8_t* piece = buffer.data() + k * PointBlockStride;
        PutBe32(piece, point.Freq);
        piece[4] = point.ApcHigh;
        piece[5] = point.ApcMid;
        piece[6] = point.ApcLow;
        piece[7] = point.Tune;
    }
    for (const auto& place : SingleBytePlaces)
        buffer[place.block] = record.Bytes()[place.record];
}

void SetAdjustmentData(const TransferBuffer& buffer, AdjustmentData& record)
{
    for (size_t k = 0; k < AdjustmentPointCount; ++k) {
        AdjustmentPoint& point = record.Point[k];
        const uint8_t* piece = buffer.data() + k * PointBlockStride;
        point.Freq = GetBe32(piece);
        point.ApcHigh = piece[4];
        point.ApcMid = piece[5];
        point.ApcLow = piece[6];
        point.Tune = piece[7];
    }
    for (const auto& place : SingleBytePlaces)
        record.Bytes()[place.record] = buffer[place.block];
}
