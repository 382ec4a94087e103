#pragma once

#include <cstddef>
#include <cstdint>

#include "model/ByteOrder.h"

// The factory calibration record. It is also the adjustment file byte for byte, so every field
// sits at a fixed offset (checked below) and the frequencies are little-endian fields.

constexpr size_t AdjustmentDataSize = 68;
constexpr size_t AdjustmentPointCount = 5;

// One calibration frequency with the power-amplifier and tune values the radio uses there.
struct AdjustmentPoint {
    LeU32 Freq;
    uint8_t ApcHigh;
    uint8_t ApcMid;
    uint8_t ApcLow;
    uint8_t Tune;
};

struct AdjustmentData {
    AdjustmentPoint Point[AdjustmentPointCount];

    // Wide band.
    uint8_t PinPian_W;
    uint8_t PinPian_W_Spe_1;
    uint8_t PinPian_W_Spe_2;
    uint8_t DtmfFuDu_W;
    uint8_t FuDu1750_W;
    uint8_t CtcPinPian_W;
    uint8_t DcsPinPian_W;

    // Narrow band.
    uint8_t PinPian_N;
    uint8_t PinPian_N_Spe_1;
    uint8_t PinPian_N_Spe_2;
    uint8_t DtmfFuDu_N;
    uint8_t FuDu1750_N;
    uint8_t CtcPinPian_N;
    uint8_t DcsPinPian_N;

    uint8_t SQL_L1;
    uint8_t SQL_L9;
    uint8_t VOX_L1;
    uint8_t VOX_L9;
    uint8_t Batt_L0_Wait;
    uint8_t Batt_L1_Wait;
    uint8_t Batt_L2_Wait;
    uint8_t Batt_L0_Tx;
    uint8_t Batt_L1_Tx;
    uint8_t Batt_L2_Tx;
    uint8_t Batt_High;
    uint8_t Xtal_PP;

    // Never interpreted: whatever an opened file carried here is saved again.
    uint8_t Reserved[2];

    uint8_t* Bytes() { return reinterpret_cast<uint8_t*>(this); }
    const uint8_t* Bytes() const { return reinterpret_cast<const uint8_t*>(this); }
};

static_assert(sizeof(AdjustmentPoint) == 8 && alignof(AdjustmentPoint) == 1);
static_assert(offsetof(AdjustmentPoint, ApcHigh) == 4 && offsetof(AdjustmentPoint, Tune) == 7);
static_assert(sizeof(AdjustmentData) == AdjustmentDataSize && alignof(AdjustmentData) == 1);

#define KR_ADJUSTMENT_FIELD_AT(field, offset) static_assert(offsetof(AdjustmentData, field) == offset, #field)
KR_ADJUSTMENT_FIELD_AT(Point[1], 8);
KR_ADJUSTMENT_FIELD_AT(Point[4], 32);
KR_ADJUSTMENT_FIELD_AT(PinPian_W, 40);
KR_ADJUSTMENT_FIELD_AT(PinPian_W_Spe_1, 41);
KR_ADJUSTMENT_FIELD_AT(PinPian_W_Spe_2, 42);
KR_ADJUSTMENT_FIELD_AT(DtmfFuDu_W, 43);
KR_ADJUSTMENT_FIELD_AT(FuDu1750_W, 44);
KR_ADJUSTMENT_FIELD_AT(CtcPinPian_W, 45);
KR_ADJUSTMENT_FIELD_AT(DcsPinPian_W, 46);
KR_ADJUSTMENT_FIELD_AT(PinPian_N, 47);
KR_ADJUSTMENT_FIELD_AT(PinPian_N_Spe_1, 48);
KR_ADJUSTMENT_FIELD_AT(PinPian_N_Spe_2, 49);
KR_ADJUSTMENT_FIELD_AT(DtmfFuDu_N, 50);
KR_ADJUSTMENT_FIELD_AT(FuDu1750_N, 51);
KR_ADJUSTMENT_FIELD_AT(CtcPinPian_N, 52);
KR_ADJUSTMENT_FIELD_AT(DcsPinPian_N, 53);
KR_ADJUSTMENT_FIELD_AT(SQL_L1, 54);
KR_ADJUSTMENT_FIELD_AT(SQL_L9, 55);
KR_ADJUSTMENT_FIELD_AT(VOX_L1, 56);
KR_ADJUSTMENT_FIELD_AT(VOX_L9, 57);
KR_ADJUSTMENT_FIELD_AT(Batt_L0_Wait, 58);
KR_ADJUSTMENT_FIELD_AT(Batt_L1_Wait, 59);
KR_ADJUSTMENT_FIELD_AT(Batt_L2_Wait, 60);
KR_ADJUSTMENT_FIELD_AT(Batt_L0_Tx, 61);
KR_ADJUSTMENT_FIELD_AT(Batt_L1_Tx, 62);
KR_ADJUSTMENT_FIELD_AT(Batt_L2_Tx, 63);
KR_ADJUSTMENT_FIELD_AT(Batt_High, 64);
KR_ADJUSTMENT_FIELD_AT(Xtal_PP, 65);
KR_ADJUSTMENT_FIELD_AT(Reserved, 66);
#undef KR_ADJUSTMENT_FIELD_AT

